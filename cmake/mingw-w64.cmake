# Cross-builds the Windows edition on Debian with mingw-w64 (g++-mingw-w64-x86-64-posix):
#   cmake --preset windows    (or: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake ...)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUOTARA_MINGW_TRIPLE x86_64-w64-mingw32)

# The posix thread model: GCC 12's win32 one has no std::thread or std::mutex, and installing it
# points the plain x86_64-w64-mingw32-g++ name at it.
set(CMAKE_C_COMPILER ${QUOTARA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUOTARA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUOTARA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUOTARA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows 7 SP1 is the oldest target: without these mingw-w64 declares Windows 10's functions,
# and a call to one would compile and then fail to load there. Newer ones are looked up at run
# time (GetProcAddress).
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601)
# One program file: libgcc, libstdc++ and winpthread linked in, so that it imports only the
# system's own DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)
# What ships carries no symbol table: it would double the program file.
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT -s)
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT -s)
