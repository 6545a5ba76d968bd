# Cross build for Windows x86-64 with Debian's MinGW-w64 (its POSIX-threads variant, for
# std::thread); the programs run under Wine (cmake/run_wine.sh). Only the model,
# brenvik-cli and their tests (BRENVIK_BUILD_GUI=OFF); GoogleTest is built from Debian's
# sources. Linked statically, so that no MinGW DLL has to be found at run time.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run_wine.sh)
set(BRENVIK_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build with this compiler")
