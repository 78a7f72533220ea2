# Writes a C++ source holding the bytes of each bitmap file as a packed device-independent
# bitmap: the 14-byte file header is dropped, as a resource compiler does, so the store hands
# out exactly the header, colour table and pixel rows the drawing layer reads. A PNG file (the
# larger scales) is kept whole, compressed, and decoded only when its scale is first drawn.
#
# Inputs: OUTPUT (the .cpp to write), SOURCE_DIR, IMAGES (a list of id=file pairs).

set(body "")
set(table "")
foreach(pair IN LISTS IMAGES)
  string(REPLACE "=" ";" parts "${pair}")
  list(GET parts 0 id)
  list(GET parts 1 file)
  set(path "${SOURCE_DIR}/${file}")
  file(READ "${path}" signature LIMIT 4 HEX)
  if(file MATCHES "\\.png$")
    if(NOT signature STREQUAL "89504e47")
      message(FATAL_ERROR "${path} is not a PNG file")
    endif()
    file(READ "${path}" hex HEX)
  else()
    if(NOT signature MATCHES "^424d")
      message(FATAL_ERROR "${path} is not a bitmap file")
    endif()
    file(READ "${path}" hex OFFSET 14 HEX)
  endif()
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  # 16 bytes a line keeps the generated file readable in a diff or a debugger.
  string(REGEX REPLACE "(................................)" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(APPEND body "// ${file}\nalignas(4) constexpr std::uint8_t image${id}[${size}] = {\n${hex}\n};\n\n")
  string(APPEND table "    {${id}, image${id}},\n")
endforeach()

file(WRITE "${OUTPUT}.tmp" "// Generated from shell/resources by embed_images.cmake; do not edit.
#include <cstdint>
#include <span>

#include \"shell/resources/embedded_image_table.h\"

namespace tabulor {
namespace {

${body}constexpr EmbeddedImage kTable[] = {
${table}};

}  // namespace

std::span<const EmbeddedImage> embeddedImageTable() { return kTable; }

}  // namespace tabulor
")
# Only touch the output when it changed, so an unchanged bitmap set rebuilds nothing.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
