# Cross build for arm64 Linux with Debian's g++-aarch64-linux-gnu; the programs run
# under qemu-user with the cross libraries as their root. Only the model, brenvik-cli
# and their tests (BRENVIK_BUILD_GUI=OFF); GoogleTest is built from Debian's sources.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# LD_LIBRARY_PATH (read inside that root): without it the cross root's loader reads the
# host's /etc/ld.so.cache, which lists the arm64 multiarch libraries where they are
# installed (scripts/setup.sh --arm64); the cross root's loader with their C library spins in the
# first pthread_create.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /usr/aarch64-linux-gnu -E LD_LIBRARY_PATH=/lib)
set(BRENVIK_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build with this compiler")
