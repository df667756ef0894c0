# Zubrik: cross-compiling for 64-bit Windows with Debian's mingw-w64.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# cmake -DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake; `make windows`
# does it. The POSIX threads flavour of the compiler, whose standard library
# has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Headers: the target's first, then the build machine's for the header-only
# libraries that Debian installs once for all (stb, doctest). -idirafter puts
# /usr/include after every folder of mingw's own, so no header of the build
# machine's C library hides the target's; CMake then counts it as the
# compiler's own and drops it where find_path hands it back.
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_CXX_FLAGS_INIT "-idirafter /usr/include")
# Every program standalone, the game and its tests alike: the compiler's
# runtime (libstdc++, libgcc, winpthreads) linked in, no DLL beyond Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Tests run under Wine, in a prefix of the build tree's own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/windows/wine_run.sh)
