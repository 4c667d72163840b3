# Cross-compiling for 64-bit Windows: the same sources for a machine that
# runs no 32-bit code (scripts/lib/common.sh chooses).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CN_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
