# The same sources for x86-64, run under 64-bit Wine: how the Windows tests
# run on a machine whose kernel executes no 32-bit code. The deliverables
# are the i686 ones.
set(VELUN_MINGW_ARCH x86_64)
set(VELUN_WINE_NAMES wine64 wine64-stable)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
