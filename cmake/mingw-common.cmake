# The part of the MinGW-w64 toolchain files that both word sizes share. The
# including file sets CMAKE_SYSTEM_PROCESSOR and TARN_MINGW_PREFIX first.
# Posix threads; the runtime is linked statically so every .exe runs alone.
# Programs built with it (tests, try_run) run under Wine: through the source
# tree's scripts/wine-run, or, for the file as installed (no scripts beside
# it), through the wine on the PATH.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${TARN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TARN_MINGW_PREFIX}-windres)
set(CMAKE_AR           ${TARN_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       ${TARN_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${TARN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
else()
  find_program(TARN_WINE wine)
  if(TARN_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TARN_WINE})
  endif()
endif()
