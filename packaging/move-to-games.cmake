# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged files before it packs them: Debian puts games in /usr/games. The
# program finds its data relative to itself (../share/limbora), which is the same from games/ as
# from bin/, so only the executable moves.
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(EXISTS "${staged}/bin/limbora")
    file(MAKE_DIRECTORY "${staged}/games")
    file(RENAME "${staged}/bin/limbora" "${staged}/games/limbora")
    file(GLOB left "${staged}/bin/*")
    if(NOT left)
        file(REMOVE_RECURSE "${staged}/bin")
    endif()
endif()
