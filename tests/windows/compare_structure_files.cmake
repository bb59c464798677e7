# Runs the native endohedral and the Windows one (under its emulator) on the same
# cage files and answers, and fails unless every structure file the two write is
# the same, byte for byte.
#   cmake -DNATIVE=exe -DWINDOWS=exe.exe -DEMULATOR=cmd|arg... -DCAGE_FOLDERS=dir|dir
#         -DWORK=dir -P compare_structure_files.cmake
# A cage folder that does not exist is passed over; every cage file found is run.
if(NOT NATIVE)
  message("-- not compared: no native executable given "
          "(configure with -DENDOHEDRAL_NATIVE_EXECUTABLE=<native build>/endohedral)")
  return()
endif()
foreach(required NATIVE WINDOWS)
  if(NOT EXISTS "${${required}}")
    message(FATAL_ERROR "no executable at ${${required}}")
  endif()
endforeach()
if(NOT EMULATOR)
  message(FATAL_ERROR "no emulator given to run ${WINDOWS}")
endif()
string(REPLACE "|" ";" emulator "${EMULATOR}")
string(REPLACE "|" ";" cage_folders "${CAGE_FOLDERS}")
set(labels C60 C70 C80 C180 C240 C320 C500 C540 C720 C960 C980 C1280)

# Runs one program in a fresh working directory holding a copy of the cage folder.
function(run_in directory cage_folder answers)
  file(REMOVE_RECURSE "${directory}")
  file(MAKE_DIRECTORY "${directory}")
  file(COPY "${cage_folder}/" DESTINATION "${directory}/Input")
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${directory}" INPUT_FILE "${answers}"
                  OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed in ${directory} (${status}): ${errors}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
set(compared 0)
foreach(cage_folder IN LISTS cage_folders)
  if(NOT IS_DIRECTORY "${cage_folder}")
    message("-- ${cage_folder}: no such folder, passed over")
    continue()
  endif()
  foreach(label IN LISTS labels)
    if(NOT EXISTS "${cage_folder}/${label}.inp")
      continue()
    endif()
    list(FIND labels ${label} index)
    math(EXPR menu_number "${index} + 1")
    set(run "${WORK}/${compared}-${label}")
    file(WRITE "${run}/answers" "${menu_number}\nNa\n")
    run_in("${run}/native" "${cage_folder}" "${run}/answers" "${NATIVE}")
    run_in("${run}/windows" "${cage_folder}" "${run}/answers" ${emulator} "${WINDOWS}")
    set(native_file "${run}/native/${label}.xyz")
    set(windows_file "${run}/windows/${label}.xyz")
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${native_file}" "${windows_file}"
                    RESULT_VARIABLE differs)
    file(SIZE "${native_file}" native_size)
    if(differs)
      file(SIZE "${windows_file}" windows_size)
      message(FATAL_ERROR "${cage_folder}/${label}.inp: the structure files differ: "
                          "${native_file} (${native_size} bytes), "
                          "${windows_file} (${windows_size} bytes)")
    endif()
    message("-- ${cage_folder}/${label}.inp: ${label}.xyz the same, ${native_size} bytes")
    math(EXPR compared "${compared} + 1")
  endforeach()
endforeach()
if(compared EQUAL 0)
  message(FATAL_ERROR "no cage file found in ${CAGE_FOLDERS}")
endif()
