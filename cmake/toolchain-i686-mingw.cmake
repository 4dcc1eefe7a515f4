# Cross build for 32-bit Windows with Debian's MinGW-w64 (posix threads, for
# std::thread and std::mutex). The NDIS request library is a 32-bit DLL, so
# the program must be a 32-bit process to load it.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(_quoril_triplet i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwCompilers.cmake)

# SSE2 arithmetic, as on x86-64, so that figures round as in the native build
# (a Pentium 4, Athlon 64 or later is needed for it). The Windows headers
# declare only what Windows XP has, so that a later function fails the build
# rather than the start on an older Windows.
set(_quoril_flags "-msse2 -mfpmath=sse -D_WIN32_WINNT=0x0501 -DWINVER=0x0501")
set(CMAKE_C_FLAGS_INIT "${_quoril_flags}")
set(CMAKE_CXX_FLAGS_INIT "${_quoril_flags}")
# Static runtime: the programs run on a bare Windows (or Wine) without MinGW
# DLLs. Subsystem version 5.01: Windows XP refuses to start a program that
# asks for more, and every later Windows starts it.
set(_quoril_link_flags "-static -static-libgcc -static-libstdc++ \
-Wl,--major-subsystem-version,5,--minor-subsystem-version,1 \
-Wl,--major-os-version,5,--minor-os-version,1")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${_quoril_link_flags}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_quoril_link_flags}")

# Tests run under Wine.
find_program(QUORIL_WINE wine)
if(QUORIL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORIL_WINE})
endif()
