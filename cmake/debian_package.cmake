# The Debian package: cpack -G DEB from a Release build configured with
# -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games (Debian's games layout).
set(maintainer "The Whiskerdash developers <developers@whiskerdash.invalid>")

# The copyright file in the machine-readable format, the licence text from LICENSE.
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE licence_lines)
list(REMOVE_AT licence_lines 0)  # the "MIT License" heading
set(licence_text "")
foreach(line IN LISTS licence_lines)
    if(line STREQUAL "")
        string(APPEND licence_text " .\n")
    else()
        string(APPEND licence_text " ${line}\n")
    endif()
endforeach()
string(REGEX REPLACE "^ \\.\n" "" licence_text "${licence_text}")
file(WRITE ${CMAKE_BINARY_DIR}/debian/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: whiskerdash\n\n"
     "Files: *\nCopyright: 2026 The Whiskerdash developers\nLicense: Expat\n\n"
     "License: Expat\n${licence_text}")

# Debian wants the changelog compressed without a time stamp.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
    COMMAND sh -c "gzip -9n < '${CMAKE_SOURCE_DIR}/cmake/debian/changelog' > '${CMAKE_BINARY_DIR}/debian/changelog.gz'"
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/debian/changelog VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME whiskerdash)
set(CPACK_PACKAGE_VENDOR "The Whiskerdash developers")
set(CPACK_PACKAGE_CONTACT ${maintainer})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade puzzle: push crates onto the cats before they catch the mouse")
# The pack's levels counted as the game finds them: level000.lvx on, until a number is missing.
set(pack_levels 0)
while(TRUE)
    string(LENGTH "${pack_levels}" digits)
    math(EXPR padding "3 - ${digits}")
    string(REPEAT "0" ${padding} zeros)
    if(NOT EXISTS ${CMAKE_SOURCE_DIR}/data/level${zeros}${pack_levels}.lvx)
        break()
    endif()
    math(EXPR pack_levels "${pack_levels} + 1")
endwhile()
# Lines under 80 columns, as the control file wants them.
set(CPACK_PACKAGE_DESCRIPTION "\
You are a mouse on a board of stone walls, crates and cheese. Walk into a
row of crates to push it, eat cheese for points, and push a crate onto a
cat with nowhere to run to catch it. Catch every cat to reach the next
level; the cats hunt you all the while.
.
${pack_levels} levels, a table of the ten best scores, and whiskerdash-check,
which reports every problem of a level written in any text editor.")
set(CPACK_STRIP_FILES ON)
# Always /usr: the programs find their data relative to themselves, whatever prefix was configured.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without qt6-wayland a Wayland desktop runs the game through XWayland; Qt's
# own buttons and dialogs are in the player's language with its translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
