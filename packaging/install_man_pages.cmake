# Run when installing: writes the game's manual pages, which name the data folder under the
# prefix being installed to, compressed into their man6 folder.
set(RUFO_DATA_INSTALL_DIR "${CMAKE_INSTALL_PREFIX}/${RUFO_INSTALL_DATA_DIR}")
foreach(page_in IN LISTS RUFO_MAN_PAGES_IN)
  get_filename_component(page "${page_in}" NAME_WLE)
  configure_file("${page_in}" "${RUFO_MAN_PAGE_WORK}/${page}" @ONLY)
  execute_process(COMMAND gzip -9 -n -f "${RUFO_MAN_PAGE_WORK}/${page}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${RUFO_MAN_PAGE_WORK}/${page} failed")
  endif()
  file(INSTALL "${RUFO_MAN_PAGE_WORK}/${page}.gz"
       DESTINATION "${CMAKE_INSTALL_PREFIX}/${RUFO_INSTALL_MANDIR}/man6")
endforeach()
