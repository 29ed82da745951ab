# The installation folder: the program, the shipped languages with their flags,
# and on a fresh installation only the first-run marker. Settings and the
# chosen language driver are the user's and are never installed over.
install(CODE "
    if(NOT EXISTS \"\${CMAKE_INSTALL_PREFIX}/vellicor.exe\")
        file(WRITE \"\${CMAKE_INSTALL_PREFIX}/VLSTART.1ST\" \"\")
        message(STATUS \"Fresh installation: first-run marker written\")
    endif()")
# The installed program carries no debug information (the build tree keeps it).
install(CODE "set(CMAKE_INSTALL_DO_STRIP TRUE)")
install(TARGETS vellicor RUNTIME DESTINATION .)
foreach(language ${VELLICOR_LANGUAGES})
    install(FILES lang/${language}/vlcr${language}.drv
                  ${VELLICOR_ART_DIR}/lang/${language}/${language}_2.jpg
            DESTINATION lang/${language})
endforeach()

# The release: the installation folder as a ZIP for Windows users, and the
# per-user setup program made from the same folder (tools/make-installer,
# NSIS), both named with the version:
# cmake --build --preset win64 --target package
set(CPACK_GENERATOR ZIP External)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/MakeInstaller.cmake)
set(CPACK_VELLICOR_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_VELLICOR_ICON ${VELLICOR_ART_DIR}/vellicor.ico)
set(CPACK_PACKAGE_NAME "VellicorRizezuza")
set(CPACK_PACKAGE_VENDOR "Vellicor Software")
set(CPACK_PACKAGE_FILE_NAME "VellicorRizezuza-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
