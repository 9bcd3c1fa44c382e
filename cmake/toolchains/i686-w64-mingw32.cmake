# Cross-compiling for 32-bit Windows with Debian's MinGW-w64 (gcc-mingw-w64),
# as cmake/toolchains/x86_64-w64-mingw32.cmake does for 64-bit Windows: the
# POSIX threading model, and everything linked statically.
#
# A 32-bit .exe starts on every Windows from 7 SP1 on, 32- or 64-bit, and on
# Windows 11 on ARM through its emulation. GCC's default for i686 is DWARF-2
# unwinding, which needs no DLL once libgcc is linked in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(RMQ_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${RMQ_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RMQ_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RMQ_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RMQ_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
