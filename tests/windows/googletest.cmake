# No GoogleTest is installed for Windows: the cross build compiles Debian's sources
# (package googletest) into its own GTest::gtest and GTest::gtest_main.
set(ENDOHEDRAL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
    "GoogleTest sources the Windows build compiles")
if(NOT EXISTS ${ENDOHEDRAL_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "no GoogleTest sources in ${ENDOHEDRAL_GOOGLETEST_SOURCE} "
                      "(apt-get install googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ENDOHEDRAL_GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL)
