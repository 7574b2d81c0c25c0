# Cross-compiling for 32-bit Windows with MinGW-w64 (see mingw-common.cmake).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TARN_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
