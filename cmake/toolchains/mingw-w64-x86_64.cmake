# Cross-builds the Qt-free libraries (tovra_platform with the Windows backend,
# tovra_settings, tovra_core) and their test suites for 64-bit Windows with
# Debian's mingw-w64, and lets ctest run the tests through Wine:
#
#   cmake -S . -B build-mingw -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
#   cmake --build build-mingw && ctest --test-dir build-mingw
#
# The -posix compilers, because std::thread and std::mutex need the POSIX
# thread model (winpthreads) in mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOVRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOVRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOVRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TOVRA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOVRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained executables: no libstdc++, libgcc or winpthread DLL to ship
# beside them (or to find on Wine's path).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Wine runs what ctest starts, in a prefix of the build folder's own (created
# on first use), without its debug chatter and without offering to install
# Mono or Gecko. LC_ALL makes Wine's ANSI code page 936, the one of a Chinese
# Windows: Wine takes the Windows locale from the Unix locale's name (and the
# code page of Unix file names from the locale itself, so generate it).
find_program(TOVRA_WINE NAMES wine wine64)
set(TOVRA_WINE_ENVIRONMENT WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=" LC_ALL=zh_CN.UTF-8)
if(TOVRA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        env "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix" ${TOVRA_WINE_ENVIRONMENT} ${TOVRA_WINE})
endif()
