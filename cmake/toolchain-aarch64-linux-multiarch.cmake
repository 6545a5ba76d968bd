# The whole program for arm64 Linux: the arm64 toolchain, with Debian's arm64 Qt and every
# library under it installed beside the host's through multiarch (scripts/setup.sh --arm64)
# instead of in the cross compiler's own root. moc, uic, rcc and lrelease are the host's
# (-DQT_HOST_PATH=/usr). The programs then find the arm64 C library through multiarch too,
# so qemu runs them with the real root: the cross root's older C library under the
# multiarch Qt leaves a window test hanging.
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-aarch64-linux.cmake)
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
