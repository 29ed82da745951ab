# libwebp, the WebP encoder's and decoder's library (with its demuxer, for
# the first picture of an animated file), as the target vellicor_webp. An
# installed one is used when there is one (Debian's libwebp-dev for the
# native build, a developer's mingw-w64 or vcpkg package on Windows); a
# mingw-w64 cross-build without one builds Debian's source package here, as
# static libraries with its SIMD code.
add_library(vellicor_webp INTERFACE)

find_path(LIBWEBP_INCLUDE_DIR webp/decode.h)
find_library(LIBWEBP_LIBRARY NAMES libwebp.a webp)
find_library(LIBWEBPDEMUX_LIBRARY NAMES libwebpdemux.a webpdemux)
if(LIBWEBP_INCLUDE_DIR AND LIBWEBP_LIBRARY AND LIBWEBPDEMUX_LIBRARY)
    target_include_directories(vellicor_webp SYSTEM INTERFACE ${LIBWEBP_INCLUDE_DIR})
    target_link_libraries(vellicor_webp INTERFACE ${LIBWEBPDEMUX_LIBRARY} ${LIBWEBP_LIBRARY})
    # Newer libwebp keeps its colour conversion in a library of its own.
    find_library(LIBSHARPYUV_LIBRARY NAMES libsharpyuv.a sharpyuv)
    if(LIBSHARPYUV_LIBRARY)
        target_link_libraries(vellicor_webp INTERFACE ${LIBSHARPYUV_LIBRARY})
    endif()
    find_package(Threads REQUIRED)
    target_link_libraries(vellicor_webp INTERFACE Threads::Threads)
    return()
endif()

if(NOT (CMAKE_CROSSCOMPILING AND MINGW))
    message(FATAL_ERROR "libwebp was not found: install Debian's libwebp-dev (tools/install-deps) "
                        "or, on Windows, a libwebp package")
endif()

include(cmake/DebianSource.cmake)
add_debian_source_library(libwebp
    PACKAGE libwebp FOLDER libwebp BUILD_TARGET webp webpdemux
    BUILT libwebpdemux.a libwebp.a LIBRARY libwebpdemux.a libwebp.a
    HEADER_FOLDER webp
    SOURCE_HEADERS src/webp/decode.h src/webp/encode.h src/webp/types.h src/webp/demux.h src/webp/mux_types.h
    CMAKE_ARGS -DBUILD_SHARED_LIBS=OFF -DWEBP_BUILD_ANIM_UTILS=OFF -DWEBP_BUILD_CWEBP=OFF
        -DWEBP_BUILD_DWEBP=OFF -DWEBP_BUILD_GIF2WEBP=OFF -DWEBP_BUILD_IMG2WEBP=OFF -DWEBP_BUILD_VWEBP=OFF
        -DWEBP_BUILD_WEBPINFO=OFF -DWEBP_BUILD_WEBPMUX=OFF -DWEBP_BUILD_EXTRAS=OFF)
target_link_libraries(vellicor_webp INTERFACE libwebp_static)
add_dependencies(vellicor_webp libwebp_build)
