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

# Debian's source package with SIMD code (nasm): the static library alone,
# no TurboJPEG API, no tools.
include(cmake/DebianSource.cmake)
add_debian_source_library(libjpeg_turbo
    PACKAGE libjpeg-turbo FOLDER libjpeg-turbo BUILD_TARGET jpeg-static BUILT libjpeg.a LIBRARY libjpeg.a
    SOURCE_HEADERS jpeglib.h jmorecfg.h jerror.h
    BUILT_HEADERS jconfig.h
    CMAKE_ARGS -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON)
target_link_libraries(vellicor_jpeg INTERFACE libjpeg_turbo_static)
add_dependencies(vellicor_jpeg libjpeg_turbo_build)
