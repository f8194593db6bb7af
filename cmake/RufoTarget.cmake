# Compile settings shared by every target built from our own sources.
function(rufo_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(RUFO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A static library made of every source file in the calling folder, linked to DEPS.
# A folder with no sources yet gives an interface library that only carries its dependencies.
function(rufo_folder_library target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${target} STATIC ${sources})
    rufo_target_defaults(${target})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# Fails the build of TARGET, a library of gardens or lessons, when a file of its folder includes
# a header below the game layer (cmake/CheckContentFloors.cmake).
function(rufo_only_game_headers target)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(check ${PROJECT_SOURCE_DIR}/cmake/CheckContentFloors.cmake)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_headers.stamp)
  add_custom_command(OUTPUT ${stamp}
                     COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DFOLDERS=${folder}
                             -P ${check}
                     COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
                     DEPENDS ${files} ${check} ${PROJECT_SOURCE_DIR}/cmake/LinesMatching.cmake
                     COMMENT "Checking that ${folder}/ includes only game/ headers")
  add_custom_target(${target}_headers DEPENDS ${stamp})
  add_dependencies(${target} ${target}_headers)
endfunction()
