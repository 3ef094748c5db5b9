# The Windows programs run under Wine as tests labelled "windows" (ctest -L windows):
# one Wine prefix, made fresh under the build folder once per test run (a
# fixture), and one Wine start per test executable.
set(ZW_WINE_PREFIX ${ZW_WIN_BIN}/wineprefix)
set(ZW_WINE_SH ${CMAKE_SOURCE_DIR}/windows/wine.sh)

add_test(NAME windows.prefix COMMAND bash ${ZW_WINE_SH} ${ZW_WINE_PREFIX} create)
set_tests_properties(windows.prefix PROPERTIES FIXTURES_SETUP wine LABELS windows TIMEOUT 300)
add_test(NAME windows.prefix_stop COMMAND bash ${ZW_WINE_SH} ${ZW_WINE_PREFIX} stop)
set_tests_properties(windows.prefix_stop PROPERTIES FIXTURES_CLEANUP wine LABELS windows)

foreach(exe core_tests cli_tests)
  add_test(NAME windows.${exe}
    COMMAND bash ${ZW_WINE_SH} ${ZW_WINE_PREFIX} run ${ZW_WIN_BIN}/bin/${exe}.exe --gtest_brief=1
    WORKING_DIRECTORY ${ZW_WIN_BIN}/bin)
  set_tests_properties(windows.${exe} PROPERTIES FIXTURES_REQUIRED wine LABELS windows
    TIMEOUT 900 ENVIRONMENT "DISPLAY=")
endforeach()

# Russian text of zonewright-cli.exe on a console (Wine makes one of a
# pseudo-terminal) and through a pipe.
add_test(NAME windows.cli_console
  COMMAND bash ${CMAKE_SOURCE_DIR}/windows/console_test.sh ${ZW_WINE_PREFIX}
    ${ZW_WIN_BIN}/bin/zonewright-cli.exe)
set_tests_properties(windows.cli_console PROPERTIES FIXTURES_REQUIRED wine LABELS windows
  TIMEOUT 600 ENVIRONMENT "DISPLAY=")

# The editor, when the Qt for Windows was there: the window tests offscreen and
# one start of the real program with the "windows" plugin on a virtual display.
if(ZW_QT_MINGW)
  # Where Wine finds Qt's DLLs and the C++ runtime DLLs they use (wine.sh).
  set(ZW_WINE_DLL_DIRS "${ZW_QT_MINGW}/bin:/usr/lib/gcc/x86_64-w64-mingw32/12-posix:/usr/x86_64-w64-mingw32/lib")
  add_test(NAME windows.gui_tests
    COMMAND bash ${ZW_WINE_SH} ${ZW_WINE_PREFIX} run ${ZW_WIN_BIN}/bin/gui_tests.exe --gtest_brief=1
    WORKING_DIRECTORY ${ZW_WIN_BIN}/bin)
  add_test(NAME windows.editor_caption
    COMMAND bash ${CMAKE_SOURCE_DIR}/windows/editor_caption_test.sh ${ZW_WIN_BIN}/bin/zonewright.exe
      ${ZW_WIN_BIN}/wineprefix-display $<TARGET_FILE:zonewright-cli>)
  set_tests_properties(windows.gui_tests PROPERTIES FIXTURES_REQUIRED wine)
  set_tests_properties(windows.gui_tests windows.editor_caption PROPERTIES
    LABELS windows TIMEOUT 900 ENVIRONMENT "ZW_WINE_DLL_DIRS=${ZW_WINE_DLL_DIRS};DISPLAY=")
  # The offscreen plugin finds no fonts under Wine: it gets a folder with a face
  # of the same widths as Arial, a face of Windows (tests/gui_main.cpp).
  set_property(TEST windows.gui_tests APPEND PROPERTY ENVIRONMENT
    "ZW_TEST_FONT_DIR=Z:/usr/share/fonts/truetype/liberation2")
  set_tests_properties(windows.editor_caption PROPERTIES RESOURCE_LOCK virtual_x_server)

  # The system's own save dialog proposes the open project's whole path, and
  # every window fits a small screen at 120 and 144 DPI: each on a virtual
  # display with a prefix of its own.
  add_test(NAME windows.save_dialog
    COMMAND bash ${CMAKE_SOURCE_DIR}/windows/save_dialog_test.sh ${ZW_WIN_BIN}/bin/zonewright.exe
      ${ZW_WIN_BIN}/wineprefix-save $<TARGET_FILE:zonewright-cli>)
  add_test(NAME windows.dialog_dpi
    COMMAND bash ${CMAKE_SOURCE_DIR}/windows/dialog_dpi_test.sh ${ZW_WIN_BIN}/bin/gui_tests.exe
      ${ZW_WIN_BIN}/wineprefix-dpi
    WORKING_DIRECTORY ${ZW_WIN_BIN}/bin)
  set_tests_properties(windows.save_dialog windows.dialog_dpi PROPERTIES LABELS windows
    TIMEOUT 900 RESOURCE_LOCK virtual_x_server
    ENVIRONMENT "ZW_WINE_DLL_DIRS=${ZW_WINE_DLL_DIRS};DISPLAY=")
endif()

# The zip unpacked into a folder of its own and its program started from there
# in a fresh prefix: it needs nothing but what the zip holds.
if(ZW_QT_MINGW)
  set(ZW_ZIP_EDITOR editor)
endif()
add_test(NAME windows.zip
  COMMAND bash ${CMAKE_SOURCE_DIR}/windows/zip_test.sh ${ZW_WIN_BIN} ${ZW_ZIP_EDITOR})
set_tests_properties(windows.zip PROPERTIES LABELS windows TIMEOUT 600 RUN_SERIAL ON)
