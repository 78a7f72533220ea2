# Reads faceplate/image_files.def, the one list of the faceplate's bitmaps and icon sizes, into
#   TABULOR_IMAGES      id=file pairs, in the list's order
#   TABULOR_ICON_SIZES  the icon's sizes in pixels
set(image_list "${CMAKE_CURRENT_LIST_DIR}/image_files.def")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${image_list}")
file(STRINGS "${image_list}" image_lines REGEX "^TABULOR_IMAGE\\(")
set(TABULOR_IMAGES "")
foreach(line IN LISTS image_lines)
  string(REGEX REPLACE "^TABULOR_IMAGE\\([A-Za-z]+, ([0-9]+), \"([^\"]+)\".*$" "\\1=\\2" pair
         "${line}")
  list(APPEND TABULOR_IMAGES "${pair}")
endforeach()
file(STRINGS "${image_list}" icon_lines REGEX "^TABULOR_ICON_SIZE\\(")
set(TABULOR_ICON_SIZES "")
foreach(line IN LISTS icon_lines)
  string(REGEX REPLACE "^TABULOR_ICON_SIZE\\(([0-9]+)\\)$" "\\1" size "${line}")
  list(APPEND TABULOR_ICON_SIZES "${size}")
endforeach()
