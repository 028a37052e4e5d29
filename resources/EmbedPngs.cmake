# Writes a C++ table of the PNG files named in Tolvo.rc, so the Linux module
# carries the same images under the same ids as the Windows resources.
#   cmake -DRC_FILE=.../Tolvo.rc -DOUTPUT=.../EmbeddedPngs.cpp -P EmbedPngs.cmake
get_filename_component(folder ${RC_FILE} DIRECTORY)
file(STRINGS ${RC_FILE} lines REGEX "^[0-9]+ +PNG +\"[^\"]+\"")

set(arrays "")
set(entries "")
foreach(line IN LISTS lines)
  string(REGEX MATCH "^([0-9]+) +PNG +\"([^\"]+)\"" _ "${line}")
  set(id ${CMAKE_MATCH_1})
  file(READ ${folder}/${CMAKE_MATCH_2} bytes HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
  string(APPEND arrays "const uint8_t png${id}[] = {\n${bytes}\n};\n")
  string(APPEND entries "    {${id}, png${id}, sizeof png${id}},\n")
endforeach()

file(WRITE ${OUTPUT}.tmp "// Generated from resources/Tolvo.rc by resources/EmbedPngs.cmake.
#include \"view/platform/x11/EmbeddedPng.h\"

namespace gui {

namespace {

${arrays}
} // namespace

const EmbeddedPng kEmbeddedPngs[] = {
${entries}};
const size_t kEmbeddedPngCount = sizeof kEmbeddedPngs / sizeof kEmbeddedPngs[0];

} // namespace gui
")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
