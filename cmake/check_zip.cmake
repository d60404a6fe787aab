# Fails unless the portable zip holds exactly velun.exe, lumet.dll,
# VELUN.DLL and README.txt in its one folder.
# Run as: cmake -DZIP=out/velun-x-win32.zip -DTOP=velun-x-win32 -P check_zip.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read ${ZIP}")
endif()
string(REPLACE "\n" ";" entries "${listing}")
list(FILTER entries EXCLUDE REGEX "^$")
list(SORT entries)
set(expected ${TOP}/README.txt ${TOP}/VELUN.DLL ${TOP}/lumet.dll ${TOP}/velun.exe)
list(SORT expected)
if(NOT entries STREQUAL expected)
  message(FATAL_ERROR "the zip holds:\n${listing}\nexpected: ${expected}")
endif()
message(STATUS "${ZIP}: ${entries}")
