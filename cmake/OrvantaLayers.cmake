# Helpers that build the library from one object library per subsystem.
#
# orvanta_add_layer(<name> SOURCES <files...> [LAYERS <lower layers...>]
#                   [LINK <targets...>])
#   Adds the object library orvanta_<name>. Its include path is a folder of the
#   build tree holding links to include/orvanta/<name> and to the public headers
#   of the LAYERS below it, and nothing else: including a header of a higher
#   layer does not compile. LINK names imported targets whose usage
#   requirements (include folders, definitions) the layer needs.

function(orvanta_library_settings target)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    POSITION_INDEPENDENT_CODE ON)
  target_compile_definitions(${target} PRIVATE ORVANTA_BUILDING)
  if(WIN32)
    # The library instantiates Boost's archive templates for its own archives
    # and exports them; inside it their members must not be declared as
    # imported from Boost's DLLs. Boost's own functions still link through
    # their import libraries.
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:
      -UBOOST_SERIALIZATION_DYN_LINK -UBOOST_WSERIALIZATION_DYN_LINK>)
  endif()
  # Warnings are for C++ only: a resource script has none to give.
  if(MSVC)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:/W4 /utf-8>)
    if(ORVANTA_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:/WX>)
    endif()
  else()
    target_compile_options(${target} PRIVATE
      $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic>)
    if(ORVANTA_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Werror>)
    endif()
  endif()
endfunction()

function(orvanta_add_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LAYERS;LINK")
  set(stage "${PROJECT_BINARY_DIR}/layers/${name}")
  file(MAKE_DIRECTORY "${stage}/orvanta")
  foreach(layer IN LISTS ARG_LAYERS name)
    set(link "${stage}/orvanta/${layer}")
    if(EXISTS "${PROJECT_SOURCE_DIR}/include/orvanta/${layer}" AND NOT EXISTS "${link}")
      file(CREATE_LINK "${PROJECT_SOURCE_DIR}/include/orvanta/${layer}" "${link}"
           SYMBOLIC)
    endif()
  endforeach()

  add_library(orvanta_${name} OBJECT ${ARG_SOURCES})
  orvanta_library_settings(orvanta_${name})
  target_include_directories(orvanta_${name} PRIVATE
    "${stage}" "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(orvanta_${name} PRIVATE ${ARG_LINK})
  if(NOT BUILD_SHARED_LIBS)
    target_compile_definitions(orvanta_${name} PRIVATE ORVANTA_STATIC)
  endif()
endfunction()
