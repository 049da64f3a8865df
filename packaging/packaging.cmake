# Packages, made by CPack. On Linux: a Debian package laid out as Debian lays out a game,
# and a self-contained tarball for any x86-64 Linux (packaging/linux.cmake). On Windows: a
# zip (packaging/windows.cmake).

# The portable build links the C and C++ runtimes in, so that its one file runs on any
# x86-64 Linux. Debian wants shared libraries inside a .deb, so the release build does not.
# Dropping the sections of the runtimes that the game never reaches makes the file a fifth
# smaller, and the game's peak memory that of a plain C program.
option(TUMBLEWOOD_STATIC "Link the game fully statically" OFF)
if(TUMBLEWOOD_STATIC)
  target_link_options(tumblewood PRIVATE -static -Wl,--gc-sections)
endif()

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  include(packaging/linux.cmake)
elseif(WIN32)
  include(packaging/windows.cmake)
endif()

# What every package says about the game.
set(CPACK_PACKAGE_NAME tumblewood)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the tumblewood authors")
set(CPACK_PACKAGE_CONTACT "the tumblewood authors <tumblewood@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "console game of keeping a pet bear alive")
set(CPACK_PACKAGE_DESCRIPTION "\
You name a pet bear and live through numbered days, picking one thing to do
each day: feed it from your stock of berries and fish, walk it, pet it, teach
it a trick, fetch more food, or examine it. Feeding makes the bear bigger, and
every third day it shrinks; a bear that shrinks to nothing starves. A bigger
bear is a more dangerous one: any walk, petting, lesson or trip for food may
end with the bear killing you. The game ends with a summary of your bear and
a score.")
set(CPACK_STRIP_FILES ON)
include(CPack)
