# Linux: iconv and OpenSSL, POSIX files, fontconfig, the desktop's environment.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
find_package(OpenSSL REQUIRED COMPONENTS Crypto)
list(APPEND platform_core_sources
    desktop/DataFiles.cpp
    CodePageTable.cpp
    linux/Termination.cpp
    TerminationRequests.cpp
    linux/CodePage.cpp
    linux/Environment.cpp
    linux/Md5.cpp
    linux/RegularFile.cpp
    linux/SettingsLocation.cpp)
list(APPEND platform_core_libraries OpenSSL::Crypto)

if(SIXDICE_WITH_SDL)
    find_package(Fontconfig REQUIRED)
    list(APPEND platform_media_sources
    linux/SdlSessionEnd.cpp
        linux/Browser.cpp
        linux/DesktopScale.cpp
        linux/DesktopSession.cpp
        linux/FontFiles.cpp
        linux/OutputGuess.cpp
        linux/OutputProbe.cpp)
    list(APPEND platform_media_libraries Fontconfig::Fontconfig)
endif()
