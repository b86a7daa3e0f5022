# Script mode (cmake -P): turns the resource manifest into a C++ source file
# that holds every listed file's bytes and a table of them.
#   -DMANIFEST=<resources/Resources.txt> -DOUTPUT=<generated .cpp>
get_filename_component(root "${MANIFEST}" DIRECTORY)
include("${CMAKE_CURRENT_LIST_DIR}/ResourceManifest.cmake")
orvanta_read_manifest("${MANIFEST}" resources)

set(arrays "")
set(entries "")
set(index 0)
foreach(resource IN LISTS resources)
  orvanta_manifest_entry("${resource}" kind id name)
  set(file "${root}/${name}")
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  if(size EQUAL 0)
    message(FATAL_ERROR "${file}: an empty resource file")
  endif()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" bytes "${bytes}")
  string(APPEND arrays "// ${name}\nconst unsigned char resource${index}[] = {\n${bytes}\n};\n\n")
  if(kind STREQUAL "strings")
    set(kind_name StringTable)
  elseif(kind STREQUAL "bitmap")
    set(kind_name Bitmap)
  elseif(kind STREQUAL "cursor")
    set(kind_name Cursor)
  else()
    set(kind_name Sound)
  endif()
  string(APPEND entries
    "    {ResourceKind::${kind_name}, ${id}u, resource${index}, ${size}u},\n")
  math(EXPR index "${index} + 1")
endforeach()

set(content "// Generated from ${MANIFEST} by EmbedResources.cmake. Do not edit.
#include \"EmbeddedResources.hpp\"

namespace Orvanta {
namespace detail {
namespace {

${arrays}}  // namespace

extern const EmbeddedResource kEmbeddedResources[] = {
${entries}};
extern const std::size_t kEmbeddedResourceCount = ${index};

}  // namespace detail
}  // namespace Orvanta
")

orvanta_write_if_changed("${OUTPUT}" "${content}")
