# Shared by both MinGW toolchains. The -posix compilers are required:
# the win32 thread model has no std::mutex / std::thread.
set(CMAKE_C_COMPILER   ${DEZ_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DEZ_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${DEZ_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${DEZ_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No MinGW runtime DLL beside the exe: a missing one fails silently under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine/run.sh)
