# Reads faceplate/image_files.def, the one list of the faceplate's pictures and icon sizes, into
#   TABULOR_IMAGES         id=file pairs of the scale-1 bitmaps, in the list's order
#   TABULOR_SCALED_IMAGES  id=file pairs of the PNG pictures of scales 2 to 4, numbered and
#                          named as faceplate/image_table.h's scaledImageId and scaledImageFile
#   TABULOR_ICON_SIZES     the icon's sizes in pixels
set(image_list "${CMAKE_CURRENT_LIST_DIR}/image_files.def")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${image_list}")
set(image_pattern "^TABULOR_(LARGER_)?IMAGE\\([A-Za-z]+, ([0-9]+), \"([^\"]+)\".*$")
file(STRINGS "${image_list}" image_lines REGEX "^TABULOR_(LARGER_)?IMAGE\\(")
set(TABULOR_IMAGES "")
set(TABULOR_SCALED_IMAGES "")
foreach(scale RANGE 2 4)
  foreach(line IN LISTS image_lines)
    string(REGEX REPLACE "${image_pattern}" "\\2" id "${line}")
    string(REGEX REPLACE "${image_pattern}" "\\3" file "${line}")
    if(scale EQUAL 2 AND line MATCHES "^TABULOR_IMAGE\\(")
      list(APPEND TABULOR_IMAGES "${id}=${file}")
    endif()
    string(REGEX REPLACE "\\.[a-z]+$" "" stem "${file}")
    math(EXPR scaled_id "${id} + 1000 * ${scale}")
    list(APPEND TABULOR_SCALED_IMAGES "${scaled_id}=scale${scale}/${stem}.png")
  endforeach()
endforeach()
file(STRINGS "${image_list}" icon_lines REGEX "^TABULOR_ICON_SIZE\\(")
set(TABULOR_ICON_SIZES "")
foreach(line IN LISTS icon_lines)
  string(REGEX REPLACE "^TABULOR_ICON_SIZE\\(([0-9]+)\\)$" "\\1" size "${line}")
  list(APPEND TABULOR_ICON_SIZES "${size}")
endforeach()
