# The installation folder: the program, the shipped languages with their flags,
# and on a fresh installation only the first-run marker. Settings and the
# chosen language driver are the user's and are never installed over.
install(CODE "
    if(NOT EXISTS \"\${CMAKE_INSTALL_PREFIX}/vellicor.exe\")
        file(WRITE \"\${CMAKE_INSTALL_PREFIX}/VLSTART.1ST\" \"\")
        message(STATUS \"Fresh installation: first-run marker written\")
    endif()")
install(TARGETS vellicor RUNTIME DESTINATION .)
foreach(language ${VELLICOR_LANGUAGES})
    install(FILES lang/${language}/vlcr${language}.drv
                  ${VELLICOR_ART_DIR}/lang/${language}/${language}_2.jpg
            DESTINATION lang/${language})
endforeach()
