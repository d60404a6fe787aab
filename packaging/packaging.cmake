# The packages of the win32 tree: a portable zip and a per-user installer,
# written into out/ by: cmake --build --preset win32 --target package
# The win64 tree packages the same into build/win64/out, where a machine
# that runs no 32-bit code tests the installer.
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt ${CMAKE_BINARY_DIR}/packaging/README.txt @ONLY)
install(TARGETS velun lumet velun_hookcore RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/packaging/README.txt DESTINATION .)

set(CPACK_PACKAGE_NAME velun)
set(CPACK_PACKAGE_VENDOR velun)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_PACKAGE_FILE_NAME velun-${CPACK_PACKAGE_VERSION}-win32)
  set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_SOURCE_DIR}/out)
  set(CPACK_VELUN_NSIS_TARGET x86-unicode)
else()
  set(CPACK_PACKAGE_FILE_NAME velun-${CPACK_PACKAGE_VERSION}-win64)
  set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/out)
  set(CPACK_VELUN_NSIS_TARGET amd64-unicode)
endif()
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/per_generator.cmake)
# The installer's own script replaces CPack's.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
# What the installer's script takes beside CPack's own variables.
set(CPACK_VELUN_INSTALLER_ICON ${CMAKE_SOURCE_DIR}/resources/icons/shown.ico)
set(CPACK_VELUN_FULL_VERSION ${PROJECT_VERSION})
set(CPACK_NSIS_EXECUTABLE makensis)
include(CPack)
