# The Windows installer (.msi), built with Debian's wixl from app/win32/quotara.wxs and the
# release's facts: the version, the program's name, the Start menu's name.
#   quotara_msi(<target> OUTPUT <file.msi> PROGRAM <executable target>)

find_program(QUOTARA_WIXL wixl DOC "wixl, which writes an .msi from a WiX source (Debian: wixl)")
find_program(QUOTARA_MSIBUILD msibuild DOC "msibuild (Debian: msitools)")
find_program(QUOTARA_MSIINFO msiinfo DOC "msiinfo (Debian: msitools)")

function(quotara_msi target)
  cmake_parse_arguments(ARG "" "OUTPUT;PROGRAM" "" ${ARGN})
  if(NOT QUOTARA_WIXL OR NOT QUOTARA_MSIBUILD OR NOT QUOTARA_MSIINFO)
    message(STATUS "No ${target}: wixl (package wixl) and msitools are needed for the .msi")
    return()
  endif()
  # Windows Installer takes three numbers; the project has two.
  set(QUOTARA_MSI_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0)
  set(icon ${PROJECT_SOURCE_DIR}/assets/quotara.ico)
  set(wxs ${CMAKE_CURRENT_BINARY_DIR}/${target}.wxs)
  configure_file(${PROJECT_SOURCE_DIR}/app/win32/quotara.wxs ${wxs} @ONLY)
  add_custom_command(
    OUTPUT ${ARG_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -DWIXL=${QUOTARA_WIXL} -DMSIBUILD=${QUOTARA_MSIBUILD}
            -DMSIINFO=${QUOTARA_MSIINFO} -DWXS=${wxs} -DOUTPUT=${ARG_OUTPUT}
            -DPROGRAM=$<TARGET_FILE:${ARG_PROGRAM}> -DICON=${icon}
            "-DMENU_NAME=${QUOTARA_MENU_NAME_ZH}"
            -P ${PROJECT_SOURCE_DIR}/cmake/QuotaraBuildMsi.cmake
    DEPENDS ${wxs} ${ARG_PROGRAM} ${icon} ${PROJECT_SOURCE_DIR}/cmake/QuotaraBuildMsi.cmake
    COMMENT "Writing the installer ${ARG_OUTPUT}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${ARG_OUTPUT})
endfunction()
