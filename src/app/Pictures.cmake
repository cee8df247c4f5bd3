# kalnor_pictures: every SVG in resources/pictures compiled into a GResource
# under /cz/wz/kalnor/pictures, where the picture store looks. Beside each
# "<name>.svg" go PNGs drawn from it at build time, "<name>.png" at its own
# size and "<name>-<size>.png" at the sizes the controls ask for, so that
# the program decodes small PNGs where it would otherwise load librsvg and
# render every picture while its first window is built. An object library,
# so that the bundle registers itself in whatever links it.
find_program(KALNOR_GLIB_COMPILE_RESOURCES glib-compile-resources REQUIRED)
find_program(KALNOR_RSVG_CONVERT rsvg-convert REQUIRED)

# Menu items and buttons, tool buttons, window icons. Other sizes are drawn
# from the SVG when asked for.
set(picture_sizes 16 20 32)

set(picture_folder ${PROJECT_SOURCE_DIR}/resources/pictures)
set(drawn_folder ${CMAKE_CURRENT_BINARY_DIR}/pictures)
file(MAKE_DIRECTORY ${drawn_folder})
file(GLOB picture_files CONFIGURE_DEPENDS ${picture_folder}/*.svg)
set(picture_entries "")
set(drawn_files "")
foreach(file IN LISTS picture_files)
  cmake_path(GET file FILENAME name)
  cmake_path(GET file STEM stem)
  string(APPEND picture_entries "    <file compressed=\"true\">${name}</file>\n")
  set(drawings COMMAND ${KALNOR_RSVG_CONVERT} --output=${drawn_folder}/${stem}.png ${file})
  set(drawn ${drawn_folder}/${stem}.png)
  foreach(size IN LISTS picture_sizes)
    list(APPEND drawings COMMAND ${KALNOR_RSVG_CONVERT} --width=${size} --height=${size} --keep-aspect-ratio
         --output=${drawn_folder}/${stem}-${size}.png ${file})
    list(APPEND drawn ${drawn_folder}/${stem}-${size}.png)
  endforeach()
  add_custom_command(OUTPUT ${drawn} ${drawings} DEPENDS ${file} VERBATIM)
  foreach(png IN LISTS drawn)
    cmake_path(GET png FILENAME png_name)
    string(APPEND picture_entries "    <file>${png_name}</file>\n")
  endforeach()
  list(APPEND drawn_files ${drawn})
endforeach()
set(picture_list ${CMAKE_CURRENT_BINARY_DIR}/pictures.gresource.xml)
file(CONFIGURE OUTPUT ${picture_list} @ONLY CONTENT [[<?xml version="1.0" encoding="UTF-8"?>
<gresources>
  <gresource prefix="/cz/wz/kalnor/pictures">
@picture_entries@  </gresource>
</gresources>
]])

set(picture_source ${CMAKE_CURRENT_BINARY_DIR}/pictures.c)
add_custom_command(OUTPUT ${picture_source}
  COMMAND ${KALNOR_GLIB_COMPILE_RESOURCES} --generate-source --c-name=kalnor_pictures
          --sourcedir=${picture_folder} --sourcedir=${drawn_folder} --target=${picture_source} ${picture_list}
  DEPENDS ${picture_list} ${picture_files} ${drawn_files}
  VERBATIM)
add_library(kalnor_pictures OBJECT ${picture_source})
target_link_libraries(kalnor_pictures PRIVATE PkgConfig::GTK3)
# The generated bundle is one long string literal, longer than the least a C
# compiler must accept; GCC and Clang take it whole.
target_compile_options(kalnor_pictures PRIVATE -Wno-overlength-strings)
