# The Windows package, for packaging/packaging.cmake: a zip whose one folder holds the game,
# its README and its licence, to unpack and run. It installs a component of its own that a
# plain `cmake --install` leaves out.
install(TARGETS tumblewood RUNTIME DESTINATION . COMPONENT windows EXCLUDE_FROM_ALL)
install(FILES README.md LICENSE DESTINATION . COMPONENT windows EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR ZIP)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};tumblewood;windows;/")
