# Installs the build tree into a fresh prefix and runs the installed program as
# a user would: in an empty folder prepared with the installed cages.
#   cmake -DBUILD_DIR=<build tree> -DWORK_DIR=<scratch folder> -P install_test.cmake
cmake_minimum_required(VERSION 3.25)

function(fail message)
  message(FATAL_ERROR "install_test: ${message}")
endfunction()

# The page as a reader sees it, plain ASCII.
function(render_man_page page result)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C MANWIDTH=80 man -l ${page}
    RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_QUIET)
  if(NOT status EQUAL 0)
    fail("man -l ${page} failed")
  endif()
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# Every line of the program's menu and both prompts, as the manual page shows them.
function(check_man_page_shows program_output page)
  render_man_page(${page} text)
  string(REPLACE ":Enter" ":\nEnter" lines "${program_output}")  # the prompts end without a line end
  string(REPLACE "\n" ";" lines "${lines}")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(FIND "${text}" "${line}" at)
    if(at EQUAL -1)
      fail("the manual page does not show the program's line '${line}'")
    endif()
  endforeach()
endfunction()

# Writes what the program should write: the guest line, then the cage text with
# CR LF line ends. (file(READ) drops CR before LF itself, so the CR are removed
# twice; the comparison of the files is byte for byte.)
function(write_expected_structure_file cage_file expected_file)
  file(READ ${cage_file} cage)
  string(REPLACE "\r" "" cage "${cage}")
  string(REPLACE "\n" "\r\n" cage "${cage}")
  file(WRITE ${expected_file} "Na  0.000000  0.000000  0.000000\r\n${cage}")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
set(work ${WORK_DIR}/work)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  fail("cmake --install ${BUILD_DIR} --prefix ${prefix} failed")
endif()

# Exactly the program, its manual page, its README and twelve cages.
file(GLOB cages RELATIVE ${prefix} ${prefix}/share/endohedral/Input/*.inp)
list(LENGTH cages cage_count)
if(NOT cage_count EQUAL 12)
  fail("${cage_count} cage files installed in ${prefix}/share/endohedral/Input, not 12")
endif()
set(expected bin/endohedral share/man/man1/endohedral.1 share/doc/endohedral/README.md ${cages})
file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  fail("installed files differ:\n  installed: ${installed}\n  expected:  ${expected}")
endif()

# The working folder as the README prepares it: cp -r PREFIX/share/endohedral/Input .
file(MAKE_DIRECTORY ${work})
execute_process(COMMAND cp -r ${prefix}/share/endohedral/Input . WORKING_DIRECTORY ${work}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  fail("cp -r ${prefix}/share/endohedral/Input . failed")
endif()

# Every menu number reads its own installed cage and writes its structure file.
set(labels_written "")
foreach(number RANGE 1 12)
  file(WRITE ${WORK_DIR}/answers "${number}\nNa\n")
  execute_process(COMMAND ${prefix}/bin/endohedral WORKING_DIRECTORY ${work}
    INPUT_FILE ${WORK_DIR}/answers
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
    fail("menu number ${number}: exit status ${status}: ${errors}")
  endif()
  file(GLOB written RELATIVE ${work} ${work}/*.xyz)
  string(REGEX REPLACE "\\.xyz$" "" label "${written}")
  if(NOT label MATCHES "^C[0-9]+$" OR label IN_LIST labels_written)
    fail("menu number ${number} wrote '${written}', not one new structure file")
  endif()
  list(APPEND labels_written ${label})
  write_expected_structure_file(${work}/Input/${label}.inp ${WORK_DIR}/expected.xyz)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
    ${WORK_DIR}/expected.xyz ${work}/${label}.xyz RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    fail("menu number ${number}: ${label}.xyz is not the guest line and the installed cage")
  endif()
  file(REMOVE ${work}/${label}.xyz)  # so that the next run's file is the only one
endforeach()
if(NOT labels_written MATCHES "^C60;")
  fail("menu number 1 wrote ${labels_written}, not C60.xyz first")
endif()

check_man_page_shows("${output}" ${prefix}/share/man/man1/endohedral.1)
