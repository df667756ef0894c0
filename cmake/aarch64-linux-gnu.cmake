# Zubrik: cross-compiling for 64-bit ARM Linux (Debian's arm64) on another Debian machine.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# cmake -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake; `make arm64` does
# it, and scripts/install-arm64-deps.sh installs what it names. Debian's
# multiarch keeps the arm64 libraries and their CMake and pkg-config files
# beside the build machine's, so no separate system root is needed.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config)
# The arm64 Qt; its moc, uic and rcc are the build machine's own.
set(Qt6_DIR /usr/lib/aarch64-linux-gnu/cmake/Qt6)
# Tests, and the build's own tools (the icon scaler), run under the emulator:
# CMake puts it before every test and custom command that runs a program built
# here, so no binfmt_misc registration is needed.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
