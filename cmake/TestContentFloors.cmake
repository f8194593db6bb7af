# Proves that CheckContentFloors.cmake passes on a garden file as it is and fails, naming the
# file, once an engine header is planted in it. Run with -DSOURCE_DIR=<project root>
# -DWORK_DIR=<scratch folder>.
set(check ${CMAKE_CURRENT_LIST_DIR}/CheckContentFloors.cmake)
set(garden gardens/garden1/frog_count.cpp)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/gardens/garden1 ${WORK_DIR}/learn)
file(READ ${SOURCE_DIR}/${garden} text)
file(WRITE ${WORK_DIR}/${garden} "${text}")

function(run_check result output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR} -P ${check}
                  RESULT_VARIABLE code ERROR_VARIABLE error)
  set(${result} ${code} PARENT_SCOPE)
  set(${output} "${error}" PARENT_SCOPE)
endfunction()

run_check(code error)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "the check fails on the garden file as it is:\n${error}")
endif()

file(WRITE ${WORK_DIR}/${garden} "#include \"engine/interface.h\"\n${text}")
run_check(code error)
if(code EQUAL 0)
  message(FATAL_ERROR "the check passes a garden file that includes engine/interface.h")
endif()
if(NOT error MATCHES "${garden}: #include \"engine/interface.h\"")
  message(FATAL_ERROR "the check does not name the planted include:\n${error}")
endif()
