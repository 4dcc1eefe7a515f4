# Cross build for 32-bit Windows with Debian's MinGW-w64 (posix threads, for
# std::thread and std::mutex). The NDIS request library is a 32-bit DLL, so
# the program must be a 32-bit process to load it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(_quoril_triplet i686-w64-mingw32)
set(CMAKE_C_COMPILER ${_quoril_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_quoril_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_quoril_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_quoril_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# SSE2 arithmetic, as on x86-64, so that figures round as in the native build.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# Static runtime: the programs run on a bare Windows (or Wine) without MinGW DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run under Wine.
find_program(QUORIL_WINE wine)
if(QUORIL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORIL_WINE})
endif()
