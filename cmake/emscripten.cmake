# Building for the browser (WebAssembly) with Debian's Emscripten: its own
# toolchain file, with what Tavro needs of it. Errors are caught as C++
# exceptions (error skipping relies on it), so exceptions are on at compile
# and at link (Emscripten's default ignores them, and a throw aborts); memory
# grows as long texts need it. The test programs run under node
# (CMAKE_CROSSCOMPILING_EMULATOR, given by the preset).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1")
