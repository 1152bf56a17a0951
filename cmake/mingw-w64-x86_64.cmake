# Cross-building the Windows programs on Debian with MinGW-w64 (the POSIX threads flavour, for
# std::thread and std::mutex). The programs are linked statically: one file each, needing only
# Windows' own DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GB_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GB_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GB_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GB_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GB_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
