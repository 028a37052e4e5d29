# Writes a C++ table of the PNG files named in Tolvo.rc, so the Linux module
# carries the same images under the same ids as the Windows resources.
#   cmake -DRC_FILE=.../Tolvo.rc -DOUTPUT=.../EmbeddedPngs.cpp -P EmbedPngs.cmake
get_filename_component(folder ${RC_FILE} DIRECTORY)
include(${CMAKE_CURRENT_LIST_DIR}/RcEntries.cmake)
tolvo_rc_entries(${RC_FILE} ids files)

set(arrays "")
set(entries "")
foreach(id file IN ZIP_LISTS ids files)
  file(READ ${folder}/${file} bytes HEX)
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
