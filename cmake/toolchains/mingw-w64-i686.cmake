# Cross-compiles tarnex for 32-bit Windows with Debian's mingw-w64 (posix threads).
#   cmake -S . -B build-win32 --toolchain cmake/toolchains/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TARNEX_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TARNEX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARNEX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TARNEX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARNEX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
