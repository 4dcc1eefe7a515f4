# Debian's MinGW-w64 cross compilers (the posix-threads variant, for
# std::thread and std::mutex) for the triplet the toolchain file names, and
# the target's own headers and libraries only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${_quoril_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_quoril_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_quoril_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_quoril_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
