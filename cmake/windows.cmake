# The Windows cross-build: the Qt-free core, zonewright-cli.exe and the core
# tests as static Windows executables, built as a project of their own with the
# MinGW-w64 toolchain, and run under Wine as tests labelled "windows".
option(ZW_WINDOWS "Cross-build for Windows with MinGW-w64 and run the result under Wine" ON)
if(ZW_WINDOWS)
  find_program(ZW_MINGW_CXX x86_64-w64-mingw32-g++-posix)
  find_program(ZW_WINE wine)
  if(NOT ZW_MINGW_CXX OR NOT ZW_WINE)
    message(FATAL_ERROR "Windows cross-build: MinGW-w64 (g++-mingw-w64-x86-64-posix) or Wine is missing; "
      "run ./zw to install them, or configure with -DZW_WINDOWS=OFF")
  endif()
  include(ExternalProject)
  set(ZW_WIN_BIN ${CMAKE_BINARY_DIR}/windows)

  # The executables' icon, rasterised from the project's icon with Qt's SVG
  # renderer on the build machine (the Windows side has no Qt).
  add_executable(zw_make_icon windows/make_icon.cpp platform/association.cpp platform/files.cpp
    platform/files_posix.cpp)
  target_include_directories(zw_make_icon PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(zw_make_icon PRIVATE Qt6::Gui Qt6::Svg)
  zw_warnings(zw_make_icon)
  set(ZW_WIN_ICON ${CMAKE_BINARY_DIR}/windows-icon/zonewright.ico)
  add_custom_command(OUTPUT ${ZW_WIN_ICON}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/windows-icon
    COMMAND zw_make_icon ${ZW_WIN_ICON}
    DEPENDS zw_make_icon VERBATIM)
  add_custom_target(zw_windows_icon DEPENDS ${ZW_WIN_ICON})
  ExternalProject_Add(zwwindows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/windows
    BINARY_DIR ${ZW_WIN_BIN}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZW_WERROR=${ZW_WERROR} -G Ninja
      -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
      -DZW_ICON_FILE=${ZW_WIN_ICON}
    DEPENDS zw_windows_icon
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    TEST_COMMAND "")
  include(${CMAKE_SOURCE_DIR}/windows/tests.cmake)
endif()
