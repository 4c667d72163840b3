# Cross-compiling for 64-bit Windows with mingw-w64 (posix threading model).
# The program ships as the 32-bit build; this one runs the Windows tests on
# a machine that cannot run 32-bit code (scripts/lib/common.sh chooses).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${CN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${CN_MINGW_PREFIX}-windres)
find_program(CN_WIDL NAMES ${CN_MINGW_PREFIX}-widl widl)

set(CMAKE_FIND_ROOT_PATH /usr/${CN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
