# CPack reads this once for each generator: each package installs its own component, so
# that the files are laid out as that kind of package wants them.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_TUMBLEWOOD_BUILD_DIR};tumblewood;debian;/")
elseif(CPACK_GENERATOR STREQUAL "TGZ")
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_TUMBLEWOOD_BUILD_DIR};tumblewood;portable;/")
endif()
