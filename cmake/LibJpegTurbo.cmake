# libjpeg-turbo, the JPEG encoder's library, linked statically as the target
# vellicor_jpeg. An installed one is used when there is one (a developer's
# mingw-w64 or vcpkg package on Windows, Debian's libjpeg62-turbo-dev for the
# native build); a mingw-w64 cross-build without one builds Debian's source
# package here, SIMD code (nasm) included.
add_library(vellicor_jpeg INTERFACE)

find_package(libjpeg-turbo CONFIG QUIET)
if(TARGET libjpeg-turbo::jpeg-static)
    target_link_libraries(vellicor_jpeg INTERFACE libjpeg-turbo::jpeg-static)
    return()
endif()

# A package without CMake files: its header and its static library.
find_path(LIBJPEG_TURBO_INCLUDE_DIR jpeglib.h)
find_library(LIBJPEG_TURBO_LIBRARY NAMES libjpeg.a jpeg-static.lib)
if(LIBJPEG_TURBO_INCLUDE_DIR AND LIBJPEG_TURBO_LIBRARY)
    target_include_directories(vellicor_jpeg SYSTEM INTERFACE ${LIBJPEG_TURBO_INCLUDE_DIR})
    target_link_libraries(vellicor_jpeg INTERFACE ${LIBJPEG_TURBO_LIBRARY})
    return()
endif()

if(NOT (CMAKE_CROSSCOMPILING AND MINGW))
    message(FATAL_ERROR "libjpeg-turbo was not found: install Debian's libjpeg62-turbo-dev "
                        "(tools/install-deps) or, on Windows, a mingw-w64 libjpeg-turbo package")
endif()

# Debian's source package, fetched by apt-get source through a private apt
# configuration (tools/fetch-debian-source) and built for mingw-w64 with the
# project's toolchain: the static library alone, no TurboJPEG API, no tools.
include(ExternalProject)
set(jpeg_dir ${CMAKE_BINARY_DIR}/libjpeg-turbo)
set(jpeg_prefix ${jpeg_dir}/install)
set(jpeg_library ${jpeg_prefix}/lib/libjpeg.a)
ExternalProject_Add(libjpeg_turbo_build
    PREFIX ${jpeg_dir}
    SOURCE_DIR ${jpeg_dir}/source
    BINARY_DIR ${jpeg_dir}/build
    INSTALL_DIR ${jpeg_prefix}
    DOWNLOAD_COMMAND ${CMAKE_SOURCE_DIR}/tools/fetch-debian-source libjpeg-turbo ${jpeg_dir}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
        -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON
        -Wno-dev
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
    # The library and the four headers of its API, nothing else.
    INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory <INSTALL_DIR>/include <INSTALL_DIR>/lib
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a <INSTALL_DIR>/lib/
    COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/jpeglib.h <SOURCE_DIR>/jmorecfg.h <SOURCE_DIR>/jerror.h
            <BINARY_DIR>/jconfig.h <INSTALL_DIR>/include/
    BUILD_BYPRODUCTS ${jpeg_library}
    EXCLUDE_FROM_ALL ON)
# An imported target's include folder must exist when the build files are made.
file(MAKE_DIRECTORY ${jpeg_prefix}/include)
add_library(libjpeg_turbo_static STATIC IMPORTED)
set_target_properties(libjpeg_turbo_static PROPERTIES
    IMPORTED_LOCATION ${jpeg_library}
    INTERFACE_INCLUDE_DIRECTORIES ${jpeg_prefix}/include)
target_link_libraries(vellicor_jpeg INTERFACE libjpeg_turbo_static)
add_dependencies(vellicor_jpeg libjpeg_turbo_build)
