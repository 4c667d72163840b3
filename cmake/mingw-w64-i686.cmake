# Cross-compiling for 32-bit Windows: the program as it ships.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CN_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
