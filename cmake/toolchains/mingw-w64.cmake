# Cross-compiling for Windows with Debian's MinGW-w64 (gcc-mingw-w64), for the
# triplet that the including toolchain file sets in RMQ_MINGW_TRIPLET.
#
# The compilers are named with their threading model, so that the build does
# not follow whichever one update-alternatives points at. We take the POSIX
# model: its libstdc++ has the whole C++ thread library (std::thread,
# std::condition_variable, std::jthread), which GCC 12's Win32 model lacks,
# and with everything linked statically its winpthread costs a few kilobytes
# and no DLL.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${RMQ_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RMQ_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RMQ_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RMQ_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that needs no DLL but Windows' own: the C++ runtime, libgcc and
# winpthread go inside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
