# Reads the resource manifest (resources/Resources.txt) for the scripts that
# turn it into sources, EmbedResources.cmake and WindowsResources.cmake, and
# writes what they generate.
#
# orvanta_read_manifest(<manifest> <out>)
#   Sets <out> to a list of "<kind>|<id>|<file>" entries, the file relative to
#   the manifest's folder, in the manifest's order. Stops with an error on a
#   line it cannot read.
function(orvanta_read_manifest manifest out)
  file(STRINGS "${manifest}" lines)
  set(entries "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(#|$)")
      continue()
    endif()
    if(NOT line MATCHES "^(strings|bitmap|cursor|sound)[ \t]+([0-9]+)[ \t]+(.+)$")
      message(FATAL_ERROR "${manifest}: cannot read the line '${line}'")
    endif()
    list(APPEND entries "${CMAKE_MATCH_1}|${CMAKE_MATCH_2}|${CMAKE_MATCH_3}")
  endforeach()
  set(${out} "${entries}" PARENT_SCOPE)
endfunction()

# orvanta_manifest_entry(<entry> <kind> <id> <file>): splits one entry.
macro(orvanta_manifest_entry entry kind id file)
  string(REPLACE "|" ";" _orvanta_parts "${entry}")
  list(GET _orvanta_parts 0 ${kind})
  list(GET _orvanta_parts 1 ${id})
  list(GET _orvanta_parts 2 ${file})
endmacro()

# orvanta_write_if_changed(<file> <content>): writes only a changed content,
# so that an unchanged manifest rebuilds nothing.
function(orvanta_write_if_changed file content)
  if(EXISTS "${file}")
    file(READ "${file}" previous)
  endif()
  if(NOT previous STREQUAL content)
    file(WRITE "${file}" "${content}")
  endif()
endfunction()
