# The rooms of the program, one static library each: vellicor_<room>. A
# room's portable sources (no <windows.h>) are built in every tree, the
# native one proving them portable; its Win32 sources only for Windows. A
# room links the rooms below it and nothing above: <room>_links_alone links
# the whole of the room with only what it names below, so a call that runs
# up a floor breaks the build.
function(vellicor_room room)
    cmake_parse_arguments(arg "" "" "PORTABLE;WINDOWS;BELOW" ${ARGN})
    set(sources ${arg_PORTABLE})
    if(WIN32)
        list(APPEND sources ${arg_WINDOWS})
    endif()
    set(target vellicor_${room})
    if(NOT sources)
        # Nothing of the room is portable: in the native trees it only passes on what lies below.
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE ${arg_BELOW})
        return()
    endif()
    add_library(${target} STATIC ${sources})
    target_link_libraries(${target} PUBLIC ${arg_BELOW})
    if(NOT VELLICOR_FUZZ) # fuzz-instrumented code links only into a fuzz target
        add_executable(${room}_links_alone ${CMAKE_SOURCE_DIR}/cmake/LinksAlone.cpp)
        target_link_libraries(${room}_links_alone PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>")
    endif()
endfunction()
