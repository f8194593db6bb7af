# Read by cpack before it builds the Debian package: the libraries the installed programs link to,
# as dpkg-shlibdeps names them, join the package's own dependencies. CPack's built-in search would
# first run `file` on every installed file, one process per file, which takes minutes for the two
# thousand files of the demo data.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(work "${CPACK_PACKAGE_DIRECTORY}/_shlibdeps")
  file(REMOVE_RECURSE "${work}")
  # dpkg-shlibdeps insists on a debian/control in the folder it runs in.
  file(WRITE "${work}/debian/control" "")
  execute_process(COMMAND dpkg-shlibdeps -O ${CPACK_RUFO_PROGRAMS}
                  WORKING_DIRECTORY "${work}"
                  OUTPUT_VARIABLE found
                  ERROR_VARIABLE errors
                  RESULT_VARIABLE status)
  file(REMOVE_RECURSE "${work}")
  if(NOT status EQUAL 0 OR NOT found MATCHES "^shlibs:Depends=")
    message(FATAL_ERROR "dpkg-shlibdeps ${CPACK_RUFO_PROGRAMS} failed: ${errors}")
  endif()
  string(REGEX REPLACE "^shlibs:Depends=" "" found "${found}")
  string(STRIP "${found}" found)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${found}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
endif()
