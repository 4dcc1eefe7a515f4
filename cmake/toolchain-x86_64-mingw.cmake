# Cross build for 64-bit Windows with Debian's MinGW-w64, for the tests only:
# the card's library is 32-bit, so the programs shipped are the x86 build's
# (toolchain-i686-mingw.cmake). This build runs the same Windows tests under
# 64-bit Wine on machines that cannot run 32-bit programs, over a 64-bit
# stand-in library.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(_quoril_triplet x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwCompilers.cmake)

# Static runtime, as in the x86 build. The library's records carry 32-bit
# addresses, so the images load below 4 GB and ask for no high addresses.
set(_quoril_link_flags "-static -static-libgcc -static-libstdc++ \
-Wl,--image-base,0x10000000 -Wl,--disable-high-entropy-va -Wl,--disable-dynamicbase")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${_quoril_link_flags}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ \
-Wl,--disable-high-entropy-va")

# Tests run under 64-bit Wine.
find_program(QUORIL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(QUORIL_WINE NAMES wine64 wine)
if(QUORIL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORIL_WINE})
endif()
