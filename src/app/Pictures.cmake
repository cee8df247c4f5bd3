# kalnor_pictures: every SVG in resources/pictures compiled into a GResource
# under /cz/wz/kalnor/pictures, where the picture store looks. An object
# library, so that the bundle registers itself in whatever links it.
find_program(KALNOR_GLIB_COMPILE_RESOURCES glib-compile-resources REQUIRED)

set(picture_folder ${PROJECT_SOURCE_DIR}/resources/pictures)
file(GLOB picture_files CONFIGURE_DEPENDS ${picture_folder}/*.svg)
set(picture_entries "")
foreach(file IN LISTS picture_files)
  cmake_path(GET file FILENAME name)
  string(APPEND picture_entries "    <file compressed=\"true\">${name}</file>\n")
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
          --sourcedir=${picture_folder} --target=${picture_source} ${picture_list}
  DEPENDS ${picture_list} ${picture_files}
  VERBATIM)
add_library(kalnor_pictures OBJECT ${picture_source})
target_link_libraries(kalnor_pictures PRIVATE PkgConfig::GTK3)
# The generated bundle is one long string literal, longer than the least a C
# compiler must accept; GCC and Clang take it whole.
target_compile_options(kalnor_pictures PRIVATE -Wno-overlength-strings)
