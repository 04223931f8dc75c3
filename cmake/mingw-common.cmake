# Shared by the two MinGW-w64 toolchains. The -posix compilers are required:
# the -win32 thread model has no std::mutex, which GoogleTest needs. How the
# compiler's runtime is linked: cmake/windows_runtime.cmake.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ZARN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZARN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZARN_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZARN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
