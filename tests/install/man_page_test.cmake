# Renders the manual page with every groff warning on and fails on any warning,
# or when the page does not show the project's version.
#   cmake -DMAN_PAGE=<page> -DVERSION=<project version> -P man_page_test.cmake
cmake_minimum_required(VERSION 3.25)

find_program(MAN_PROGRAM man)
if(NOT MAN_PROGRAM)
  message(FATAL_ERROR "man_page_test: man is needed to check the manual page (apt-get install man-db)")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C MANWIDTH=80
          ${MAN_PROGRAM} --warnings=w -l ${MAN_PAGE}
  RESULT_VARIABLE status OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "man_page_test: ${MAN_PAGE} (man exit status ${status}):\n${warnings}")
endif()
string(FIND "${page}" "endohedral ${VERSION}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "man_page_test: ${MAN_PAGE} does not show version ${VERSION}")
endif()
