# Cross-compiling for 32-bit Windows with Debian's MinGW-w64.
#
# A 32-bit .exe starts on every Windows from 7 SP1 on, 32- or 64-bit, and on
# Windows 11 on ARM through its emulation. GCC's default for i686 is DWARF-2
# unwinding, which needs no DLL once libgcc is linked in.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(RMQ_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
