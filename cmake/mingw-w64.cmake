# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (x86_64-w64-mingw32)
# on Linux. Pass it as -DCMAKE_TOOLCHAIN_FILE; the compilers can be overridden
# through MINGW_PREFIX when the tools carry another triplet.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

if(NOT MINGW_PREFIX)
  set(MINGW_PREFIX x86_64-w64-mingw32)
endif()

# The posix-threaded compilers are not needed: the program runs on one thread,
# and the win32 flavour links without winpthread.
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
