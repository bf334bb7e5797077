# Cross-compiles tarnex for 64-bit Windows with Debian's mingw-w64 (posix threads).
#   cmake -S . -B build-win64 --toolchain cmake/toolchains/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TARNEX_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
