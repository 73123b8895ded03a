# Windows console builds with Debian's MinGW-w64 cross compilers; the
# toolchain file of each width sets MINGW_TRIPLET and includes this one.
# The -posix variants provide std::mutex, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every executable carries its runtime (libstdc++, libgcc, winpthread) and runs on
# its own; its PE header holds no time stamp, so that a rebuild gives the same file.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")

# Tests run under wine, in a wine prefix of the build's own; GoogleTest is built from its sources.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix sh ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${WINE})
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "")
