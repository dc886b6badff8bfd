# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX
# thread model, which C++ threads need). Used for Qt for Windows and for the
# program alike; CURVISTA_WINDOWS_QT points at the Qt installation.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
if(DEFINED CURVISTA_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${CURVISTA_WINDOWS_QT})
  list(APPEND CMAKE_PREFIX_PATH ${CURVISTA_WINDOWS_QT})
endif()
# Programs run on the build machine; libraries, headers and packages come
# from the Windows side.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The checks CMake compiles while configuring read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CURVISTA_WINDOWS_QT)
