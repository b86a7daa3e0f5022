# Helpers that build the library from one object library per subsystem.
#
# orvanta_add_layer(<name> SOURCES <files...> [LAYERS <lower layers...>]
#                   [LINK <targets...>])
#   Adds the object library orvanta_<name>. Its include path is a folder of the
#   build tree holding links to include/orvanta/<name> and to the public headers
#   of the LAYERS below it, and nothing else: including a header of a higher
#   layer does not compile. LINK names imported targets whose usage
#   requirements (include folders, definitions) the layer needs. A layer's
#   LAYERS are what its sources and public headers include, no more.
#
# The signal hub (messages) sits below documents, application and geometry,
# yet its signals carry their types: Item, BaseDocument, BaseApplication,
# Position, KeyboardPress. Its headers only forward-declare them, and its
# signals pass them by shared pointer or reference, so the hub compiles
# without seeing those classes and the layers above it stay above it. Only
# the code that raises or hears a signal includes the class itself.

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
endfunction()

function(orvanta_add_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LAYERS;LINK")
  set(stage "${PROJECT_BINARY_DIR}/layers/${name}")
  file(MAKE_DIRECTORY "${stage}/orvanta")
  # A layer taken off the list since the last configure loses its link.
  file(GLOB staged LIST_DIRECTORIES true RELATIVE "${stage}/orvanta" "${stage}/orvanta/*")
  foreach(layer IN LISTS staged)
    if(NOT layer IN_LIST ARG_LAYERS AND NOT layer STREQUAL name)
      file(REMOVE "${stage}/orvanta/${layer}")
    endif()
  endforeach()
  foreach(layer IN LISTS ARG_LAYERS name)
    set(link "${stage}/orvanta/${layer}")
    if(EXISTS "${PROJECT_SOURCE_DIR}/include/orvanta/${layer}" AND NOT EXISTS "${link}")
      file(CREATE_LINK "${PROJECT_SOURCE_DIR}/include/orvanta/${layer}" "${link}"
           SYMBOLIC)
    endif()
  endforeach()

  add_library(orvanta_${name} OBJECT ${ARG_SOURCES})
  orvanta_library_settings(orvanta_${name})
  target_link_libraries(orvanta_${name} PRIVATE orvanta_warnings)
  target_include_directories(orvanta_${name} PRIVATE
    "${stage}" "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(orvanta_${name} PRIVATE ${ARG_LINK})
  if(NOT BUILD_SHARED_LIBS)
    target_compile_definitions(orvanta_${name} PRIVATE ORVANTA_STATIC)
  endif()
endfunction()
