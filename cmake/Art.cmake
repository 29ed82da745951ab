# The program's own pictures (flags of the shipped languages, the program icon)
# are drawn by a small tool of ours at build time.
add_executable(makeart tools/art/MakeArt.cpp)
target_include_directories(makeart SYSTEM PRIVATE ${STB_INCLUDE_DIR})
set(VELLICOR_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(VELLICOR_LANGUAGES English Italian German French Spanish)
set(art_outputs ${VELLICOR_ART_DIR}/vellicor.ico)
foreach(language ${VELLICOR_LANGUAGES})
    list(APPEND art_outputs ${VELLICOR_ART_DIR}/lang/${language}/${language}_2.jpg)
endforeach()
if(CMAKE_CROSSCOMPILING)
    set(art_runner ${CMAKE_BINARY_DIR}/wine-run)
else()
    set(art_runner "")
endif()
add_custom_command(OUTPUT ${art_outputs}
    COMMAND ${art_runner} $<TARGET_FILE:makeart> ${VELLICOR_ART_DIR}
    DEPENDS makeart
    COMMENT "Drawing the flags and the program icon")
add_custom_target(vellicor_art DEPENDS ${art_outputs})
