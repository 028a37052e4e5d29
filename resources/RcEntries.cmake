# Reads the PNG entries of Tolvo.rc: their ids and their file names, in order.
function(tolvo_rc_entries rc_file ids_var files_var)
  file(STRINGS ${rc_file} lines REGEX "^[0-9]+ +PNG +\"[^\"]+\"")
  set(ids "")
  set(files "")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^([0-9]+) +PNG +\"([^\"]+)\"" _ "${line}")
    list(APPEND ids ${CMAKE_MATCH_1})
    list(APPEND files ${CMAKE_MATCH_2})
  endforeach()
  set(${ids_var} ${ids} PARENT_SCOPE)
  set(${files_var} ${files} PARENT_SCOPE)
endfunction()

# Writes a header naming every id after its file: "112-fader-cap.png" is
# kFaderCap = 112, in the namespace resources.
function(tolvo_write_resource_ids rc_file output)
  tolvo_rc_entries(${rc_file} ids files)
  set(constants "")
  foreach(id file IN ZIP_LISTS ids files)
    string(REGEX REPLACE "^[0-9]+-|\\.png$" "" stem "${file}")
    string(REPLACE "-" ";" words "${stem}")
    set(name "k")
    foreach(word IN LISTS words)
      string(SUBSTRING ${word} 0 1 first)
      string(TOUPPER ${first} first)
      string(SUBSTRING ${word} 1 -1 rest)
      string(APPEND name "${first}${rest}")
    endforeach()
    string(APPEND constants "inline constexpr int32_t ${name} = ${id};\n")
  endforeach()
  file(CONFIGURE OUTPUT ${output} CONTENT "// Generated from resources/Tolvo.rc: the id of every PNG resource.
#pragma once

#include <cstdint>

namespace resources {

${constants}
} // namespace resources
")
endfunction()
