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

# The zip unpacked into a folder of its own and its program started from there
# in a fresh prefix: it needs nothing but what the zip holds.
add_test(NAME windows.zip COMMAND bash ${CMAKE_SOURCE_DIR}/windows/zip_test.sh ${ZW_WIN_BIN})
set_tests_properties(windows.zip PROPERTIES LABELS windows TIMEOUT 600 RUN_SERIAL ON)
