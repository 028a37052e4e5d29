# Cross build for 64-bit Windows with mingw-w64. The posix thread model
# compilers are used and every program links statically, so Tolvo.dll and the
# test programs need no libwinpthread or libstdc++ DLL next to them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLVO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLVO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLVO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLVO_MINGW_TRIPLE}-windres)
# ar, ranlib and objdump are found by the compilers' prefix
# (CMAKE_OBJDUMP = /usr/bin/x86_64-w64-mingw32-objdump).

set(CMAKE_FIND_ROOT_PATH /usr/${TOLVO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
