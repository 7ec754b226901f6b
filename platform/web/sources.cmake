# The browser (Emscripten): one file per need, as for the other systems. Regular files and
# environment variables are Linux's (Emscripten answers the same calls); code page 1250 comes from
# Emscripten's own iconv and MD5 from nettle built for this target by the dependency builder.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
find_path(SIXDICE_NETTLE_INCLUDE_DIR nettle/md5.h REQUIRED)
find_library(SIXDICE_NETTLE_LIBRARY nettle REQUIRED)
if(NOT TARGET sixdice_nettle)
    add_library(sixdice_nettle STATIC IMPORTED)
    set_target_properties(sixdice_nettle PROPERTIES
        IMPORTED_LOCATION "${SIXDICE_NETTLE_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${SIXDICE_NETTLE_INCLUDE_DIR}")
endif()
list(APPEND platform_core_sources
    web/Termination.cpp
    TerminationRequests.cpp
    web/CodePage.cpp
    web/Md5.cpp
    linux/Environment.cpp
    linux/RegularFile.cpp
    web/SettingsLocation.cpp
    web/DataFiles.cpp)
list(APPEND platform_core_libraries sixdice_nettle)
list(APPEND platform_media_sources
    web/SdlSessionEnd.cpp
    web/Browser.cpp
    web/DesktopScale.cpp
    web/DesktopSession.cpp
    web/FontFiles.cpp
    web/OutputGuess.cpp)
