# Cross-compiles tarnex for 32-bit Windows with Debian's mingw-w64 (posix threads).
#   cmake -S . -B build-win32 --toolchain cmake/toolchains/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TARNEX_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
