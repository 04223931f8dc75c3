set(ZARN_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
# Tests run under Wine in a 32-bit prefix (scripts/wine-run).
set(ZARN_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
