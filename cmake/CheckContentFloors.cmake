# Fails when a file in gardens/ or learn/ includes a header of engine/, controls/ or platform/:
# the gardens and the lessons reach everything below through the game layer (game/scene_kit.h).
# Run with -DSOURCE_DIR=<project root>, and -DFOLDERS=<folder> to check one of them alone.
include(${CMAKE_CURRENT_LIST_DIR}/LinesMatching.cmake)
if(NOT FOLDERS)
  set(FOLDERS gardens learn)
endif()
rufo_lines_matching(offenders "^[ \t]*#[ \t]*include[ \t]*[<\"](\\.\\./)*(engine|controls|platform)/"
                    FOLDERS ${FOLDERS})
if(offenders)
  list(JOIN offenders "\n" report)
  message(FATAL_ERROR "gardens/ and learn/ include only game/ headers:\n${report}")
endif()
