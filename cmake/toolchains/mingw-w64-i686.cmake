# Cross build of 32-bit Windows console programs with MinGW-w64; see
# mingw-w64-x86_64.cmake. Built and checked, not run: running them needs a
# 32-bit Wine, which this machine's kernel and packages do not offer.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
