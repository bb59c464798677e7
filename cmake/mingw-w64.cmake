# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64.cmake
# Tests run under Wine (Debian's wine64), in a Wine prefix of the build's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime is linked in, so every .exe runs without DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Console programs need no display; Wine keeps quiet and never touches ~/.wine.
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env WINEDEBUG=-all "WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix" DISPLAY=
    ${CMAKE_CURRENT_LIST_DIR}/wine-run)

# The cage generator is a tool for the developer's machine; it is not built for Windows.
set(ENDOHEDRAL_CAGEGEN OFF CACHE BOOL "Build the cage generator (needs Eigen3 and LBFGS++)")
