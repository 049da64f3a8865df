# The Debian package and the tarball, for packaging/packaging.cmake. Each installs a
# component of its own that a plain `cmake --install` leaves out, so that keeps its bin/ and
# share/man layout.

# The licence names the copyright holders and gives the text that the Debian copyright
# file repeats, indented, with a lone "." for each blank line.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(Permission.*[^\n])\n*$")
  message(FATAL_ERROR "LICENSE: no copyright line followed by the licence text")
endif()
set(TUMBLEWOOD_COPYRIGHT "${CMAKE_MATCH_1}")
string(REPLACE "\n\n" "\n.\n" TUMBLEWOOD_LICENCE_TEXT "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " TUMBLEWOOD_LICENCE_TEXT "${TUMBLEWOOD_LICENCE_TEXT}")
set(debian_dir ${CMAKE_CURRENT_BINARY_DIR}/debian)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${debian_dir}/copyright @ONLY)

# The changelog's newest entry and the manual page's title line name the version packaged.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^tumblewood \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry is not version ${PROJECT_VERSION}")
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/man/tumblewood.6 title_line REGEX "^\\.TH " LIMIT_COUNT 1)
if(NOT title_line MATCHES "\"tumblewood ${PROJECT_VERSION}\"")
  message(FATAL_ERROR "man/tumblewood.6: the title line does not name version ${PROJECT_VERSION}")
endif()

# Debian wants the manual page and the changelog compressed as hard as gzip goes, with no
# name or time stamp inside, so that the same sources make the same package.
find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${debian_dir}/tumblewood.6.gz ${debian_dir}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/man/tumblewood.6
    ${PROJECT_SOURCE_DIR}/packaging/changelog ${debian_dir}
  COMMAND ${GZIP} -9nf ${debian_dir}/tumblewood.6 ${debian_dir}/changelog
  DEPENDS man/tumblewood.6 packaging/changelog
  VERBATIM)
add_custom_target(tumblewood_debian_files ALL
  DEPENDS ${debian_dir}/tumblewood.6.gz ${debian_dir}/changelog.gz)

# The Debian package: /usr/games, section 6 of the manual, and the copyright and changelog
# under /usr/share/doc.
install(TARGETS tumblewood RUNTIME DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${debian_dir}/tumblewood.6.gz DESTINATION share/man/man6
  COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${debian_dir}/copyright ${debian_dir}/changelog.gz
  DESTINATION share/doc/tumblewood COMPONENT debian EXCLUDE_FROM_ALL)

# The tarball: everything side by side in one folder, to unpack and run.
install(TARGETS tumblewood RUNTIME DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
install(FILES man/tumblewood.6 README.md LICENSE DESTINATION .
  COMPONENT portable EXCLUDE_FROM_ALL)

set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack reads packaging/cpack_per_generator.cmake for each generator it runs, to pick that
# package's component from this build.
set(CPACK_TUMBLEWOOD_BUILD_DIR ${CMAKE_BINARY_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/cpack_per_generator.cmake)
