# Installing the game like any Linux game (cmake --install build --prefix P) and packing it as a
# Debian package (cpack -G DEB): the command, the data directory, the menu entry, the icons, the
# AppStream metainfo, the manual pages, the level tools, and the copyright file and changelog.

option(TAMBERLO_INSTALL_TO_BIN "Install the command into bin/ instead of games/" OFF)
set(TAMBERLO_HOMEPAGE "https://tamberlo.example.org" CACHE STRING
    "Home page named by the AppStream metainfo")
set(TAMBERLO_SCREENSHOT_URL "${TAMBERLO_HOMEPAGE}/docs" CACHE STRING
    "Where the AppStream metainfo finds the screenshots of docs/")

set(COMMAND_DIR games)
if(TAMBERLO_INSTALL_TO_BIN)
  set(COMMAND_DIR bin)
endif()
set(DATA_DIR share/games/tamberlo-adventure)
set(PROGRAM_DIR lib/games/tamberlo-adventure)

# The command is a launcher that changes into the data directory and runs the program; both are
# found relative to the launcher, so the installed tree works under any prefix.
file(RELATIVE_PATH DATA_FROM_COMMAND /p/${COMMAND_DIR} /p/${DATA_DIR})
file(RELATIVE_PATH PROGRAM_FROM_COMMAND /p/${COMMAND_DIR} /p/${PROGRAM_DIR}/tamberlo-adventure)
set(STAGE_DIR ${CMAKE_BINARY_DIR}/install-stage)
configure_file(${CMAKE_SOURCE_DIR}/packaging/tamberlo-adventure.in
               ${STAGE_DIR}/tamberlo-adventure @ONLY)

# The release: its version is the project's (the top CMakeLists.txt), its date that of the newest
# entry of packaging/changelog, which must be this version's entry. The metainfo and the manual
# page show both.
set(CHANGELOG ${CMAKE_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CHANGELOG})
file(STRINGS ${CHANGELOG} changelog_heads REGEX "^tamberlo-adventure \\(")
file(STRINGS ${CHANGELOG} changelog_trailers REGEX "^ -- ")
list(GET changelog_heads 0 newest_head)
list(GET changelog_trailers 0 newest_trailer)
string(REGEX MATCH "\\(([^)]*)\\)" _ "${newest_head}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog's newest entry is version ${CMAKE_MATCH_1}, the "
                      "project's version ${PROJECT_VERSION}: give the release its entry")
endif()
set(date_re "[A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
if(NOT newest_trailer MATCHES ">  ${date_re}")
  message(FATAL_ERROR "packaging/changelog: no date in \"${newest_trailer}\"")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_2}" month)
if(month EQUAL -1)
  message(FATAL_ERROR "packaging/changelog: no month called ${CMAKE_MATCH_2}")
endif()
math(EXPR month "${month} + 1")
string(REGEX REPLACE "^([1-9])$" "0\\1" month "${month}")
string(REGEX REPLACE "^([1-9])$" "0\\1" day "${day}")
set(TAMBERLO_RELEASE_DATE ${year}-${month}-${day})

configure_file(${CMAKE_SOURCE_DIR}/packaging/org.tamberlo.tamberlo_adventure.metainfo.xml.in
               ${STAGE_DIR}/org.tamberlo.tamberlo_adventure.metainfo.xml @ONLY)
set(MANUAL_PAGES tamberlo-adventure tamberlo-levelmake tamberlo-levelcheck)
set(COMPRESSED_MANUAL_PAGES)
foreach(page ${MANUAL_PAGES})
  configure_file(${CMAKE_SOURCE_DIR}/packaging/${page}.6 ${STAGE_DIR}/${page}.6 @ONLY)
  list(APPEND COMPRESSED_MANUAL_PAGES ${STAGE_DIR}/${page}.6.gz)
endforeach()

# Debian keeps a package's changelog and manual pages compressed with gzip -9n: no file name and
# no time stamp inside, so the same sources give the same bytes.
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${STAGE_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CHANGELOG} ${STAGE_DIR}/changelog
  COMMAND ${GZIP} -9nf ${STAGE_DIR}/changelog
  DEPENDS ${CHANGELOG} VERBATIM)
foreach(page ${MANUAL_PAGES})
  add_custom_command(OUTPUT ${STAGE_DIR}/${page}.6.gz
    COMMAND ${GZIP} -9nkf ${STAGE_DIR}/${page}.6
    DEPENDS ${STAGE_DIR}/${page}.6 VERBATIM)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${STAGE_DIR}/changelog.gz ${COMPRESSED_MANUAL_PAGES})

install(PROGRAMS ${STAGE_DIR}/tamberlo-adventure DESTINATION ${COMMAND_DIR})
install(TARGETS tamberlo-adventure RUNTIME DESTINATION ${PROGRAM_DIR})
# The level tools, for players who make their own mazes (built as tamberlo-levelmake and
# tamberlo-levelcheck).
install(TARGETS levelmake levelcheck RUNTIME DESTINATION ${COMMAND_DIR})
# levelcheck --autopilot finds the data directory from where the command is, as the launcher.
target_compile_definitions(levelcheck PRIVATE TAMBERLO_DATA_FROM_COMMAND="${DATA_FROM_COMMAND}")
install(DIRECTORY ${GAME_DIR}/images ${GAME_DIR}/sounds DESTINATION ${DATA_DIR})
install(FILES ${LEVEL_OUTPUTS} DESTINATION ${DATA_DIR})
# The fonts stay the font packages' own files: the data directory links to them by the names
# the game opens, so an update of a font package reaches the game. Each link is relative, made
# at install time from where the data directory lands to where the build found the font
# (/usr/share/fonts/...). Under /usr, the Debian package's prefix, that gives ../../fonts/...,
# a link that stays inside /usr as Debian asks; under any other prefix (/usr/local, ~/.local, the
# tests' scratch prefix) the link climbs to the same font files, so every installed tree starts.
# Installed in place the data directory's real path counts, since .. in a link climbs the real
# parents; under DESTDIR (a package being built) the prefix is the one the package installs to.
install(CODE "set(tamberlo_data_dir [[${DATA_DIR}]])")
install(CODE "set(tamberlo_font_links [[actionj.ttf=${SMALL_FONT_SOURCE};indigo.ttf=${LARGE_FONT_SOURCE}]])")
install(CODE [[
  set(data_dir "${CMAKE_INSTALL_PREFIX}/${tamberlo_data_dir}")
  if("$ENV{DESTDIR}" STREQUAL "")
    file(REAL_PATH "${data_dir}" data_dir)
  endif()
  foreach(font_link IN LISTS tamberlo_font_links)
    string(REGEX MATCH "^([^=]+)=(.+)$" _ "${font_link}")
    file(RELATIVE_PATH target "${data_dir}" "${CMAKE_MATCH_2}")
    message(STATUS "Installing: $ENV{DESTDIR}${data_dir}/${CMAKE_MATCH_1} -> ${target}")
    file(CREATE_LINK "${target}" "$ENV{DESTDIR}${data_dir}/${CMAKE_MATCH_1}" SYMBOLIC)
  endforeach()
]])

install(FILES ${CMAKE_SOURCE_DIR}/packaging/tamberlo-adventure.desktop
        DESTINATION share/applications)
install(FILES ${STAGE_DIR}/org.tamberlo.tamberlo_adventure.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${DESKTOP_ICON_DIR}/hicolor DESTINATION share/icons)
install(FILES ${COMPRESSED_MANUAL_PAGES} DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${STAGE_DIR}/changelog.gz
        DESTINATION share/doc/tamberlo-adventure)

# cpack -G DEB in the build directory writes tamberlo-adventure_VERSION_ARCH.deb. The version
# has no Debian revision: the package is native, made here from the game's own sources.
set(CPACK_PACKAGE_NAME tamberlo-adventure)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tamberlo Adventure developers <tamberlo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maze arcade game with dots, enemies and bombs")
# One line of the extended description each, at most 80 columns as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Steer Tamberlo through five mazes and eat every dot while four enemies walk"
  "the maze at his speed. A power crystal frightens them long enough to eat"
  "them, and bombs lying in the maze blow them across the screen: catching two"
  "in one blast earns an extra life. Each level gives three warps to a random"
  "free spot, and the tally after it charges for every second played.")
# The install runs with the package's own prefix, /usr, under a staging DESTDIR, so the font
# links are made from where the package puts them.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-league-spartan, fonts-cherrybomb, timgm6mb-soundfont")
include(CPack)
