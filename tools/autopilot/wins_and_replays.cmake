# Runs the autopilot into a demo, asserts that it reached the victory screen within MAX_FRAMES,
# then replays the demo with the game and asserts the same final state hash, and that the replay's
# line, the hash of every picture it showed (every level, tally and the victory screen) and the
# hash of every sound it started are the ones in EXPECTED (written anew instead when TAMBERLO_REFRESH_EXPECTED is set).
execute_process(COMMAND ${AUTOPILOT} --demo ${DEMO} --max-frames ${MAX_FRAMES}
  RESULT_VARIABLE played OUTPUT_VARIABLE playOutput)
message("${playOutput}")
if(NOT played EQUAL 0)
  message(FATAL_ERROR "the autopilot did not win within ${MAX_FRAMES} frames (exit ${played})")
endif()
string(REGEX MATCH "state=[0-9a-f]+" playedState "${playOutput}")

execute_process(COMMAND ${GAME} --replay ${DEMO} --pictures
  RESULT_VARIABLE replayed OUTPUT_VARIABLE replayOutput ERROR_VARIABLE replayErrors)
message("${replayOutput}${replayErrors}")
string(REGEX MATCH "state=[0-9a-f]+" replayedState "${replayOutput}")
if(NOT replayed EQUAL 0 OR playedState STREQUAL "" OR NOT playedState STREQUAL replayedState)
  message(FATAL_ERROR "the replay ended in ${replayedState}, the autopilot in ${playedState}")
endif()

string(REGEX MATCH "replay: [^\n]*\npictures: [0-9a-f]+\nsounds: [0-9a-f]+" replayLines
  "${replayOutput}")
if(DEFINED ENV{TAMBERLO_REFRESH_EXPECTED})
  file(WRITE ${EXPECTED} "${replayLines}\n")
  return()
endif()
file(READ ${EXPECTED} expectedLines)
string(STRIP "${expectedLines}" expectedLines)
if(NOT replayLines STREQUAL expectedLines)
  message(FATAL_ERROR "the autopilot's game ended in\n${replayLines}\nnot in\n${expectedLines}\n"
    "(after a deliberate rule or level change: tools/demos/refresh-expected.sh BUILD_DIR)")
endif()
