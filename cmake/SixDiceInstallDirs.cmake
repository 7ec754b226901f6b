# Install folders: the GNU layout, with the game's own folders below it.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The documentation folder carries the package's name (GNUInstallDirs would take the project's).
set(CMAKE_INSTALL_DOCDIR "share/doc/sixdice" CACHE PATH "Documentation root (DOCDIR)")
include(GNUInstallDirs)

# The working directory the game reads its data files from.
set(SIXDICE_INSTALL_DATA_DIR "${CMAKE_INSTALL_DATADIR}/sixdice")
# The game's executable: it only runs from its data folder, so users start it through the
# launcher in bin/ and the executable itself is a program-internal one (libexec).
set(SIXDICE_INSTALL_PROGRAM_DIR "${CMAKE_INSTALL_LIBEXECDIR}/sixdice")
