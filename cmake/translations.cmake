# The translation files (translations/*.ts) built to .qm by the toolkit's
# lrelease (Debian: qt6-l10n-tools), a program of the build machine for every
# build, the Windows one included.
#   zw_translations(<target> <output folder> <variable for the .qm paths>)
find_program(ZW_LRELEASE NAMES lrelease lrelease-qt6 PATHS /usr/lib/qt6/bin /usr/lib/qt6/libexec
  REQUIRED)

function(zw_translations target folder qmVar)
  get_filename_component(root "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/.." ABSOLUTE)
  file(GLOB tsFiles CONFIGURE_DEPENDS ${root}/translations/*.ts)
  set(qmFiles "")
  foreach(ts ${tsFiles})
    get_filename_component(name "${ts}" NAME_WE)
    set(qm ${folder}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${ZW_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "Building the translation ${name}.qm" VERBATIM)
    list(APPEND qmFiles ${qm})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${qmFiles})
  set(${qmVar} ${qmFiles} PARENT_SCOPE)
endfunction()
