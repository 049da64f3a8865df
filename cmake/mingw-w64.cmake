# Cross-builds the game for 64-bit Windows with Debian's MinGW-w64 compilers (the POSIX
# threads flavour), and runs what it builds under wine, in a wine prefix of the build's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthread go into the executables, so that a player needs
# no DLL beyond those that come with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Programs built here run under wine (see run-under-wine.sh), in a prefix in the build folder.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    sh ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh ${CMAKE_BINARY_DIR}/wine)
endif()
