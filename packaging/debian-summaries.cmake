# Read by CPack before it makes the packages: the Debian generator would put the project's
# summary above each component's description, whose own first line is that package's summary.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CPACK_DEFAULT_PACKAGE_DESCRIPTION_SUMMARY}")
endif()
