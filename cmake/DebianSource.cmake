# A static library built from one of Debian's source packages, for the
# mingw-w64 cross-build: the package is fetched by apt-get source through a
# private apt configuration (tools/fetch-debian-source) and built with the
# project's toolchain into build/<FOLDER>/, keeping the static library and
# the headers of its API alone (no tools, no tests). Makes the external
# project <name>_build and the imported library <name>_static, and sets
# <name>_PREFIX (the folder holding include/ and lib/) for the caller. A
# package of several libraries builds several targets; BUILT and LIBRARY then
# name one file each, in the same order, the first one's users linking the
# others after it. Headers go into include/, or include/<HEADER_FOLDER>/.
#
#   add_debian_source_library(NAME PACKAGE p FOLDER f BUILD_TARGET t... BUILT file-in-build-tree...
#       LIBRARY installed-name... [HEADER_FOLDER sub] SOURCE_HEADERS ... BUILT_HEADERS ...
#       CMAKE_ARGS ... DEPENDS ...)
include(ExternalProject)

function(add_debian_source_library name)
    cmake_parse_arguments(arg "" "PACKAGE;FOLDER;HEADER_FOLDER"
        "BUILD_TARGET;BUILT;LIBRARY;SOURCE_HEADERS;BUILT_HEADERS;CMAKE_ARGS;DEPENDS" ${ARGN})
    set(dir ${CMAKE_BINARY_DIR}/${arg_FOLDER})
    set(prefix ${dir}/install)
    set(headers ${prefix}/include/${arg_HEADER_FOLDER})
    set(libraries ${arg_LIBRARY})
    list(TRANSFORM libraries PREPEND ${prefix}/lib/)
    set(build_commands)
    foreach(target IN LISTS arg_BUILD_TARGET)
        list(APPEND build_commands COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${target})
    endforeach()
    list(POP_FRONT build_commands) # the first command follows BUILD_COMMAND itself
    set(copies)
    foreach(built installed IN ZIP_LISTS arg_BUILT libraries)
        list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/${built} ${installed})
    endforeach()
    list(TRANSFORM arg_SOURCE_HEADERS PREPEND <SOURCE_DIR>/)
    list(TRANSFORM arg_BUILT_HEADERS PREPEND <BINARY_DIR>/)
    set(depends)
    if(arg_DEPENDS)
        set(depends DEPENDS ${arg_DEPENDS})
    endif()
    ExternalProject_Add(${name}_build
        PREFIX ${dir}
        SOURCE_DIR ${dir}/source
        BINARY_DIR ${dir}/build
        INSTALL_DIR ${prefix}
        ${depends}
        DOWNLOAD_COMMAND ${CMAKE_SOURCE_DIR}/tools/fetch-debian-source ${arg_PACKAGE} ${dir}
        CMAKE_ARGS
            -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
            -DCMAKE_BUILD_TYPE=Release
            -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
            ${arg_CMAKE_ARGS}
            -Wno-dev
        BUILD_COMMAND ${build_commands}
        INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory ${headers} <INSTALL_DIR>/lib
        ${copies}
        COMMAND ${CMAKE_COMMAND} -E copy ${arg_SOURCE_HEADERS} ${arg_BUILT_HEADERS} ${headers}/
        BUILD_BYPRODUCTS ${libraries}
        EXCLUDE_FROM_ALL ON)
    # An imported target's include folder must exist when the build files are made.
    file(MAKE_DIRECTORY ${prefix}/include)
    list(POP_FRONT libraries library)
    add_library(${name}_static STATIC IMPORTED)
    set_target_properties(${name}_static PROPERTIES
        IMPORTED_LOCATION ${library}
        INTERFACE_LINK_LIBRARIES "${libraries}"
        INTERFACE_INCLUDE_DIRECTORIES ${prefix}/include)
    set(${name}_PREFIX ${prefix} PARENT_SCOPE)
endfunction()
