# Cross build for 64-bit Windows with the MinGW-w64 toolchain
# (x86_64-w64-mingw32-gcc/g++/windres on the build machine).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELPWORTH_MINGW_TRIPLE x86_64-w64-mingw32)
# The POSIX thread model: GoogleTest needs std::mutex, which the win32
# model of GCC 12 lacks. With -static the thread library is linked in.
find_program(KELPWORTH_MINGW_GCC NAMES ${KELPWORTH_MINGW_TRIPLE}-gcc-posix ${KELPWORTH_MINGW_TRIPLE}-gcc)
find_program(KELPWORTH_MINGW_GXX NAMES ${KELPWORTH_MINGW_TRIPLE}-g++-posix ${KELPWORTH_MINGW_TRIPLE}-g++)
set(CMAKE_C_COMPILER ${KELPWORTH_MINGW_GCC})
set(CMAKE_CXX_COMPILER ${KELPWORTH_MINGW_GXX})
set(CMAKE_RC_COMPILER ${KELPWORTH_MINGW_TRIPLE}-windres)

# Libraries and headers come from the target's tree only; programs run here.
set(CMAKE_FIND_ROOT_PATH /usr/${KELPWORTH_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every .exe stands alone: the GCC runtime and the C++ library are linked
# in, so only system DLLs remain.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
