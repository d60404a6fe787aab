# The deliverables: 32-bit Windows, run by 32-bit Wine.
set(VELUN_MINGW_ARCH i686)
set(VELUN_WINE_NAMES wine wine-stable)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
