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

  # The Qt for Windows beside the project, when it is there, for zonewright.exe.
  get_filename_component(ZW_QT_MINGW ${CMAKE_SOURCE_DIR}/../shared/qt6-mingw ABSOLUTE)
  if(EXISTS ${ZW_QT_MINGW}/lib/cmake/Qt6/Qt6Config.cmake)
    message(STATUS "Windows cross-build: the editor against the Qt in ${ZW_QT_MINGW}")
  else()
    message(STATUS "Windows cross-build: no Qt for Windows at ${ZW_QT_MINGW}; "
      "building the core and zonewright-cli.exe without the editor")
    set(ZW_QT_MINGW "")
  endif()
  ExternalProject_Add(zwwindows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/windows
    BINARY_DIR ${ZW_WIN_BIN}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
      -DCMAKE_BUILD_TYPE=Release -DZW_WERROR=${ZW_WERROR} -G Ninja
      -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
      -DZW_PICTURES_DIR=${ZW_PICTURES_DIR}
      -DZW_QT_MINGW_PREFIX=${ZW_QT_MINGW}
    DEPENDS zw_pictures
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    TEST_COMMAND "")
  include(${CMAKE_SOURCE_DIR}/windows/tests.cmake)
endif()
