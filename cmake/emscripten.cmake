# The WebAssembly build with Debian's emscripten: the page, and the program and
# its tests, which CTest runs under node.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Exceptions caught as in the native builds, so that a read error ends the run
# with its message. WebAssembly's own exception handling gave a smaller and
# faster page than emscripten's JavaScript one (measured in Chromium).
set(CMAKE_CXX_FLAGS_INIT -fwasm-exceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT -fwasm-exceptions)

set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "")
