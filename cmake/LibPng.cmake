# libpng with zlib, the PNG decoder's library, as the target vellicor_png. An
# installed one is used when there is one (Debian's libpng-dev for the native
# build, a developer's mingw-w64 or vcpkg package on Windows); a mingw-w64
# cross-build without one builds Debian's source packages of zlib and libpng
# here, as static libraries.
add_library(vellicor_png INTERFACE)

if(NOT (CMAKE_CROSSCOMPILING AND MINGW))
    find_package(PNG)
    if(NOT TARGET PNG::PNG)
        message(FATAL_ERROR "libpng was not found: install Debian's libpng-dev and zlib1g-dev "
                            "(tools/install-deps) or, on Windows, a libpng package")
    endif()
    target_link_libraries(vellicor_png INTERFACE PNG::PNG)
    return()
endif()

# A mingw-w64 package of the two, when the toolchain has one.
find_path(LIBPNG_INCLUDE_DIR png.h)
find_library(LIBPNG_LIBRARY NAMES libpng16.a libpng.a)
find_library(ZLIB_STATIC_LIBRARY NAMES libz.a libzlibstatic.a)
if(LIBPNG_INCLUDE_DIR AND LIBPNG_LIBRARY AND ZLIB_STATIC_LIBRARY)
    target_include_directories(vellicor_png SYSTEM INTERFACE ${LIBPNG_INCLUDE_DIR})
    target_link_libraries(vellicor_png INTERFACE ${LIBPNG_LIBRARY} ${ZLIB_STATIC_LIBRARY})
    return()
endif()

# Debian's source packages, fetched by apt-get source through a private apt
# configuration (tools/fetch-debian-source) and built with the project's
# toolchain: the static libraries and their API headers, no tools, no tests.
include(ExternalProject)
set(zlib_dir ${CMAKE_BINARY_DIR}/zlib)
set(zlib_prefix ${zlib_dir}/install)
set(zlib_library ${zlib_prefix}/lib/libz.a)
ExternalProject_Add(zlib_build
    PREFIX ${zlib_dir}
    SOURCE_DIR ${zlib_dir}/source
    BINARY_DIR ${zlib_dir}/build
    INSTALL_DIR ${zlib_prefix}
    DOWNLOAD_COMMAND ${CMAKE_SOURCE_DIR}/tools/fetch-debian-source zlib ${zlib_dir}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
        -Wno-dev
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target zlibstatic
    INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory <INSTALL_DIR>/include <INSTALL_DIR>/lib
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libzlibstatic.a ${zlib_library}
    COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/zlib.h <BINARY_DIR>/zconf.h <INSTALL_DIR>/include/
    BUILD_BYPRODUCTS ${zlib_library}
    EXCLUDE_FROM_ALL ON)

set(png_dir ${CMAKE_BINARY_DIR}/libpng)
set(png_prefix ${png_dir}/install)
set(png_library ${png_prefix}/lib/libpng16.a)
ExternalProject_Add(libpng_build
    PREFIX ${png_dir}
    SOURCE_DIR ${png_dir}/source
    BINARY_DIR ${png_dir}/build
    INSTALL_DIR ${png_prefix}
    DEPENDS zlib_build
    DOWNLOAD_COMMAND ${CMAKE_SOURCE_DIR}/tools/fetch-debian-source libpng1.6 ${png_dir}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF
        -DZLIB_LIBRARY=${zlib_library} -DZLIB_INCLUDE_DIR=${zlib_prefix}/include
        -Wno-dev
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target png_static
    INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory <INSTALL_DIR>/include <INSTALL_DIR>/lib
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libpng16.a ${png_library}
    COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/png.h <SOURCE_DIR>/pngconf.h <BINARY_DIR>/pnglibconf.h
            <INSTALL_DIR>/include/
    BUILD_BYPRODUCTS ${png_library}
    EXCLUDE_FROM_ALL ON)

# An imported target's include folder must exist when the build files are made.
file(MAKE_DIRECTORY ${zlib_prefix}/include ${png_prefix}/include)
add_library(zlib_static STATIC IMPORTED)
set_target_properties(zlib_static PROPERTIES
    IMPORTED_LOCATION ${zlib_library}
    INTERFACE_INCLUDE_DIRECTORIES ${zlib_prefix}/include)
add_library(libpng_static STATIC IMPORTED)
set_target_properties(libpng_static PROPERTIES
    IMPORTED_LOCATION ${png_library}
    INTERFACE_INCLUDE_DIRECTORIES ${png_prefix}/include)
target_link_libraries(vellicor_png INTERFACE libpng_static zlib_static)
add_dependencies(vellicor_png libpng_build)
