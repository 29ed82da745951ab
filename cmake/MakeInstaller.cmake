# CPack's external step: the setup program from the staged installation folder.
file(GLOB_RECURSE staged_program "${CPACK_TEMPORARY_DIRECTORY}/*vellicor.exe")
list(GET staged_program 0 staged_program)
get_filename_component(stage "${staged_program}" DIRECTORY)
set(setup "${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup.exe")
execute_process(
    COMMAND "${CPACK_VELLICOR_SOURCE_DIR}/tools/make-installer" "${stage}" "${CPACK_VELLICOR_ICON}"
            "${CPACK_PACKAGE_VERSION}" "${setup}"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "The setup program could not be made")
endif()
message(STATUS "Setup program: ${setup}")
