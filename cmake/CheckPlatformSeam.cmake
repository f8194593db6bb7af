# Fails when code outside platform/sdl includes SDL or names its functions and types: the game
# reaches SDL only through the platform interfaces. Run with -DSOURCE_DIR=<project root>.
include(${CMAKE_CURRENT_LIST_DIR}/LinesMatching.cmake)
rufo_lines_matching(offenders "#include *[<\"](SDL2/)?SDL|SDL_[A-Za-z]|TTF_[A-Za-z]"
                    FOLDERS platform gfx sound engine controls game gardens learn app tools
                    SKIP "/platform/sdl/")
if(offenders)
  list(JOIN offenders "\n" report)
  message(FATAL_ERROR "SDL outside platform/sdl:\n${report}")
endif()
