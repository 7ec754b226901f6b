# Windows: the Win32 code page and file calls, BCrypt, the shell's folders and browser, the
# monitor's DPI, and the fonts shipped beside the program.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND platform_core_sources
    desktop/DataFiles.cpp
    CodePageTable.cpp
    windows/Termination.cpp
    TerminationRequests.cpp
    windows/CodePage.cpp
    windows/Environment.cpp
    windows/Md5.cpp
    windows/RegularFile.cpp
    windows/SettingsLocation.cpp
    windows/WideText.cpp)
list(APPEND platform_core_libraries bcrypt shell32 ole32)

if(SIXDICE_WITH_SDL)
    list(APPEND platform_media_sources
    windows/SdlSessionEnd.cpp
        windows/Browser.cpp
        windows/DesktopScale.cpp
        windows/DesktopSession.cpp
        windows/FontFiles.cpp
        windows/OutputGuess.cpp)
    list(APPEND platform_media_libraries shell32 user32 shcore)
endif()
