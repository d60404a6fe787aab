# Read by CPack once for each generator: the installer has its own name.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "velun-${CPACK_PACKAGE_VERSION}-setup")
endif()
