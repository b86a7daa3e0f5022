# Runs orvanta-first-host in a fresh folder and checks what it saved.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
set(ENV{XDG_DATA_HOME} "${OUT}")
foreach(run 1 2)  # the second run opens what the first one saved
  execute_process(COMMAND "${PROGRAM}" "${OUT}/frame.txt" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "orvanta-first-host exited with ${status}")
  endif()
endforeach()
file(READ "${OUT}/frame.txt" saved)
if(NOT saved STREQUAL "Beam 1\nBeam 2\n")
  message(FATAL_ERROR "unexpected frame.txt: '${saved}'")
endif()
