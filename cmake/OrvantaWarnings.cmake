# The warning policy of the project's own code, in one place: every target
# built from our sources (the layers, tests, benchmarks, the example, the fuzz
# targets) links orvanta_warnings privately. Warnings are errors when
# ORVANTA_WARNINGS_AS_ERRORS is on (the default at the top level). Only C++
# gets them: a resource script has none to give. Dependencies' headers are
# included as system headers and are not held to it.
if(TARGET orvanta_warnings)
  return()
endif()

add_library(orvanta_warnings INTERFACE)
if(MSVC)
  set(_orvanta_warn /W4 /utf-8)
  set(_orvanta_error /WX)
else()
  set(_orvanta_warn -Wall -Wextra -Wpedantic)
  set(_orvanta_error -Werror)
endif()
target_compile_options(orvanta_warnings INTERFACE
  "$<$<COMPILE_LANGUAGE:CXX>:${_orvanta_warn}>"
  "$<$<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${ORVANTA_WARNINGS_AS_ERRORS}>>:${_orvanta_error}>")
unset(_orvanta_warn)
unset(_orvanta_error)
