# Runs lupdate over the sources into a copy of a .ts file and fails if the
# copy has a text without a translation or a translation whose text the
# sources no longer have, or if lupdate warns (a translator's comment it
# could not attach to a text, a tr() it could not read).
# Usage: cmake -DCONFIG=<file setting LUPDATE, LUPDATE_OPTIONS, SOURCES, TS_FILE, WORK_DIR> -P check_translation.cmake
include(${CONFIG})

get_filename_component(ts_name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${ts_name})
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY_FILE ${TS_FILE} ${copy})
execute_process(
  COMMAND ${LUPDATE} ${LUPDATE_OPTIONS} ${SOURCES} -ts ${copy}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
if(output MATCHES "[^\n]*:[0-9]+: [^\n]*")
  message(FATAL_ERROR "lupdate warns:\n${output}")
endif()

file(READ ${copy} translation)
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"(unfinished|vanished|obsolete)\""
       faults "${translation}")
if(faults)
  string(REPLACE ";<source>" "\n<source>" faults "${faults}")
  message(FATAL_ERROR "${TS_FILE} is not complete and current (run the update_translations target, then translate):\n${faults}")
endif()
message(STATUS "${ts_name}: every text of the sources translated, none left over")
