# The program's pictures: PNG files that resources/make_pictures.cpp rasterises
# from the SVG files under resources/ at build time, compiled in as resources
# (":/icons/new.png", ":/mines/gold.png", ":/app/32.png"). The program needs no
# SVG support then, which the Qt for Windows lacks. Used by the main build and
# by the Windows build alike.

# The files make_pictures writes, relative to its output folder.
function(zw_picture_files out_var root)
  file(GLOB icons CONFIGURE_DEPENDS ${root}/resources/icons/*.svg)
  file(GLOB mines CONFIGURE_DEPENDS ${root}/resources/mines/*.svg)
  set(files)
  foreach(svg ${icons})
    get_filename_component(name ${svg} NAME_WE)
    list(APPEND files icons/${name}.png icons/${name}@2x.png)
  endforeach()
  foreach(svg ${mines})
    get_filename_component(name ${svg} NAME_WE)
    list(APPEND files mines/${name}.png)
  endforeach()
  foreach(size 16 24 32 48 64 128 256)
    list(APPEND files app/${size}.png)
  endforeach()
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()

# Compiles the pictures found in `dir` into `target` as resources under ":/".
function(zw_add_pictures target dir root)
  zw_picture_files(files ${root})
  set(paths)
  foreach(f ${files})
    list(APPEND paths ${dir}/${f})
  endforeach()
  set_source_files_properties(${paths} PROPERTIES GENERATED TRUE)
  qt_add_resources(${target} zonewright_pictures PREFIX / BASE ${dir} FILES ${paths})
endfunction()
