# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers (the
# posix threads variant, which gives std::thread and std::mutex). Used for Qt
# itself and, through Qt's own toolchain file, for Tavro.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVRO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVRO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVRO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVRO_MINGW_TRIPLET}-windres)

# Headers and libraries come from the MinGW sysroot only, programs from the
# build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TAVRO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The build machine's pkg-config files describe Linux libraries.
set(ENV{PKG_CONFIG_LIBDIR} "")
set(ENV{PKG_CONFIG_PATH} "")

