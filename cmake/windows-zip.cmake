# The Windows package: one zip whose folder holds the game, its README and its licence.
# These go in a component of their own, and the zip takes that component alone: the
# POSIX layout (bin/, the manual page) stays out of it.
install(TARGETS tumblewood RUNTIME DESTINATION . COMPONENT windows_zip)
install(FILES README.md LICENSE DESTINATION . COMPONENT windows_zip)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL windows_zip)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
