# Script mode (cmake -P): turns the resource manifest into a Windows resource
# script, so that the DLL carries the same texts, bitmaps, cursors and sounds
# as the data compiled in elsewhere, as real resources: a STRINGTABLE, BITMAP,
# CURSOR and WAVE resources, and the DLL's VERSIONINFO.
#   -DMANIFEST=<resources/Resources.txt> -DOUTPUT=<generated .rc>
#   -DVERSION=<major.minor.patch>
cmake_minimum_required(VERSION 3.21)
get_filename_component(root "${MANIFEST}" DIRECTORY)
include("${CMAKE_CURRENT_LIST_DIR}/ResourceManifest.cmake")
orvanta_read_manifest("${MANIFEST}" resources)

# A text (UTF-8) as a wide RC string literal. The resource compiler reads
# narrow bytes in the ANSI code page whatever it is told, so every character
# outside printable ASCII is written as a UTF-16 escape.
function(rc_wide_literal text out)
  string(HEX "${text}" hex)
  string(LENGTH "${hex}" length)
  set(literal "")
  set(at 0)
  while(at LESS length)
    string(SUBSTRING "${hex}" ${at} 2 byte)
    math(EXPR lead "0x${byte}")
    math(EXPR at "${at} + 2")
    if(lead LESS 128)
      set(code ${lead})
    else()
      if(lead GREATER_EQUAL 240)
        math(EXPR code "${lead} & 7")
        set(more 3)
      elseif(lead GREATER_EQUAL 224)
        math(EXPR code "${lead} & 15")
        set(more 2)
      else()
        math(EXPR code "${lead} & 31")
        set(more 1)
      endif()
      foreach(k RANGE 1 ${more})
        string(SUBSTRING "${hex}" ${at} 2 byte)
        math(EXPR code "(${code} << 6) | (0x${byte} & 63)")
        math(EXPR at "${at} + 2")
      endforeach()
    endif()
    if(code EQUAL 92)
      string(APPEND literal "\\\\")
    elseif(code EQUAL 34)
      string(APPEND literal "\"\"")
    elseif(code GREATER_EQUAL 32 AND code LESS 127)
      string(ASCII ${code} character)
      string(APPEND literal "${character}")
    elseif(code LESS 65536)
      math(EXPR unit "${code}" OUTPUT_FORMAT HEXADECIMAL)
      string(REPLACE "0x" "000" unit "${unit}")
      string(LENGTH "${unit}" digits)
      math(EXPR digits "${digits} - 4")
      string(SUBSTRING "${unit}" ${digits} 4 unit)
      string(APPEND literal "\\x${unit}")
    else()
      math(EXPR high "0xD800 + ((${code} - 0x10000) >> 10)" OUTPUT_FORMAT HEXADECIMAL)
      math(EXPR low "0xDC00 + ((${code} - 0x10000) & 1023)" OUTPUT_FORMAT HEXADECIMAL)
      string(REPLACE "0x" "" high "${high}")
      string(REPLACE "0x" "" low "${low}")
      string(APPEND literal "\\x${high}\\x${low}")
    endif()
  endwhile()
  set(${out} "L\"${literal}\"" PARENT_SCOPE)
endfunction()

# A file name as a narrow RC string literal.
function(rc_literal text out)
  string(REPLACE "\\" "/" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

set(texts "")
set(binaries "")
foreach(resource IN LISTS resources)
  orvanta_manifest_entry("${resource}" kind id name)
  set(file "${root}/${name}")
  if(kind STREQUAL "strings")
    # Texts may hold ';' and brackets, which a CMake list would split on or
    # group by: they travel as stand-ins until each line is written.
    file(READ "${file}" table)
    string(REPLACE ";" "@SEMICOLON@" table "${table}")
    string(REPLACE "[" "@OPEN@" table "${table}")
    string(REPLACE "]" "@CLOSE@" table "${table}")
    string(REPLACE "\r" "" table "${table}")
    string(REPLACE "\n" ";" table "${table}")
    foreach(entry IN LISTS table)
      if(entry MATCHES "^([0-9]+)\t(.*)$")
        set(text_id "${CMAKE_MATCH_1}")
        set(text "${CMAKE_MATCH_2}")
        rc_wide_literal("${text}" literal)
        string(REPLACE "@SEMICOLON@" ";" literal "${literal}")
        string(REPLACE "@OPEN@" "[" literal "${literal}")
        string(REPLACE "@CLOSE@" "]" literal "${literal}")
        string(APPEND texts "  ${text_id}, ${literal}\n")
      endif()
    endforeach()
  else()
    if(kind STREQUAL "bitmap")
      set(type BITMAP)
    elseif(kind STREQUAL "cursor")
      set(type CURSOR)
    else()
      set(type WAVE)
    endif()
    rc_literal("${file}" literal)
    string(APPEND binaries "${id} ${type} ${literal}\n")
  endif()
endforeach()

string(REPLACE "." "," version_commas "${VERSION}")
set(content "// Generated from ${MANIFEST} by WindowsResources.cmake. Do not edit.
#include <winver.h>

STRINGTABLE
BEGIN
${texts}END

${binaries}
1 VERSIONINFO
FILEVERSION ${version_commas},0
PRODUCTVERSION ${version_commas},0
FILEOS VOS_NT_WINDOWS32
FILETYPE VFT_DLL
BEGIN
  BLOCK \"StringFileInfo\"
  BEGIN
    BLOCK \"040904b0\"
    BEGIN
      VALUE \"FileDescription\", \"Orvanta framework library\"
      VALUE \"FileVersion\", \"${VERSION}\"
      VALUE \"OriginalFilename\", \"Orvanta.dll\"
      VALUE \"ProductName\", \"Orvanta\"
      VALUE \"ProductVersion\", \"${VERSION}\"
    END
  END
  BLOCK \"VarFileInfo\"
  BEGIN
    VALUE \"Translation\", 0x409, 1200
  END
END
")

orvanta_write_if_changed("${OUTPUT}" "${content}")
