# The release's facts, each written once: the window's caption, the desktop entry, the AppStream
# metainfo, the C++ code and the tests are generated from or handed these. A release changes the
# version here and adds a debian/changelog entry, whose date becomes the release date.
# Run as a script (cmake -P) it prints them as NAME=VALUE lines, for the installed package's
# tests, which have the source but no build.
set(QUOTARA_VERSION 0.97)
set(QUOTARA_APP_NAME Quotara)
set(QUOTARA_APP_ID cn.quotara.Quotara)
set(QUOTARA_CAPTION "${QUOTARA_APP_NAME} v${QUOTARA_VERSION} －designed by Tamsel")
# The name a Chinese desktop's menu shows: the desktop entry's Name[zh_CN] and the Windows Start
# menu's shortcut.
set(QUOTARA_MENU_NAME_ZH "${QUOTARA_APP_NAME} 公摊面积计算")

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  foreach(fact IN ITEMS QUOTARA_VERSION QUOTARA_APP_NAME QUOTARA_APP_ID QUOTARA_CAPTION
                       QUOTARA_MENU_NAME_ZH)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${fact}=${${fact}}")
  endforeach()
endif()
