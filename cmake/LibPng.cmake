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

# Debian's source packages of zlib and libpng.
include(cmake/DebianSource.cmake)
add_debian_source_library(zlib
    PACKAGE zlib FOLDER zlib BUILD_TARGET zlibstatic BUILT libzlibstatic.a LIBRARY libz.a
    SOURCE_HEADERS zlib.h
    BUILT_HEADERS zconf.h)
add_debian_source_library(libpng
    PACKAGE libpng1.6 FOLDER libpng BUILD_TARGET png_static BUILT libpng16.a LIBRARY libpng16.a
    SOURCE_HEADERS png.h pngconf.h
    BUILT_HEADERS pnglibconf.h
    DEPENDS zlib_build
    CMAKE_ARGS -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF
        -DZLIB_LIBRARY=${zlib_PREFIX}/lib/libz.a -DZLIB_INCLUDE_DIR=${zlib_PREFIX}/include)
target_link_libraries(vellicor_png INTERFACE libpng_static zlib_static)
add_dependencies(vellicor_png libpng_build)
