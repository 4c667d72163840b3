# Cross-compiling for Windows with mingw-w64 (posix threading model), for
# the processor and compiler prefix the including toolchain file sets.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${CN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${CN_MINGW_PREFIX}-windres)
find_program(CN_WIDL NAMES ${CN_MINGW_PREFIX}-widl widl)

set(CMAKE_FIND_ROOT_PATH /usr/${CN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
