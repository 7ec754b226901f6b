# Makes the Windows packages from the Windows run folder: SixDice-VERSION-setup.exe (NSIS) and
# SixDice-VERSION-windows-x64.zip (portable: unzip and run), both holding the same files, the
# licence texts with Windows line ends among them.
#   cmake -DRUN_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DOUT_DIR=... -DVERSION=1.2.3
#         -DPUBLISHER=... -DHOMEPAGE=... -DICON=....ico -DMAKENSIS=... -P MakePackages.cmake
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
foreach(var RUN_DIR SOURCE_DIR WORK_DIR OUT_DIR VERSION PUBLISHER HOMEPAGE ICON MAKENSIS)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "MakePackages.cmake needs -D${var}=...")
    endif()
endforeach()
foreach(needed sixdice.exe nastaveni.zrk grafika_cz.zrk grafika_en.zrk zvuky.zrk)
    if(NOT EXISTS "${RUN_DIR}/${needed}")
        message(FATAL_ERROR "The Windows run folder ${RUN_DIR} has no ${needed}")
    endif()
endforeach()

set(name "SixDice-${VERSION}")
set(stage "${WORK_DIR}/${name}")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}" "${OUT_DIR}")

# The run folder as it is (the program, its data files, fonts and music), without what a run of
# the game or a test may have left there.
file(GLOB entries RELATIVE "${RUN_DIR}" "${RUN_DIR}/*")
foreach(entry IN LISTS entries)
    if(entry MATCHES "\\.(log|tmp)$")
        continue()
    endif()
    file(COPY "${RUN_DIR}/${entry}" DESTINATION "${stage}")
endforeach()

# Licence texts, readable in Notepad and on the installer's licence page.
function(copy_with_crlf from to)
    file(READ "${from}" text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${to}" "${text}")
endfunction()
copy_with_crlf("${SOURCE_DIR}/COPYING" "${stage}/COPYING.txt")
file(MAKE_DIRECTORY "${stage}/LICENSES")
foreach(licence GPL-3.0-or-later CC-BY-SA-4.0)
    copy_with_crlf("${SOURCE_DIR}/LICENSES/${licence}.txt" "${stage}/LICENSES/${licence}.txt")
endforeach()

# The installer's lists: a File line for every file, in its folder; and for the uninstaller a
# Delete line for every file, then the folders, deepest first, removed only when empty.
file(GLOB_RECURSE files RELATIVE "${stage}" "${stage}/*")
list(SORT files)
set(install_lines "")
set(uninstall_lines "")
set(folders "")
set(current_folder "-")
foreach(file IN LISTS files)
    if(file MATCHES "[\"$`]")
        message(FATAL_ERROR "A file name the installer cannot carry: ${file}")
    endif()
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    string(REPLACE "/" "\\" windows_folder "${folder}")
    if(NOT folder STREQUAL current_folder)
        if(folder STREQUAL "")
            string(APPEND install_lines "SetOutPath \"$INSTDIR\"\n")
        else()
            string(APPEND install_lines "SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
        endif()
        set(current_folder "${folder}")
    endif()
    string(APPEND install_lines "File \"${stage}/${file}\"\n")
    string(APPEND uninstall_lines "Delete \"$INSTDIR\\${windows_file}\"\n")
    while(NOT folder STREQUAL "")
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders) # a folder sorts before everything inside it
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND uninstall_lines "RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
file(WRITE "${WORK_DIR}/install-files.nsh" "${install_lines}")
file(WRITE "${WORK_DIR}/uninstall-files.nsh" "${uninstall_lines}")

string(REGEX MATCH "^[0-9]+\\.[0-9]+\\.[0-9]+" version3 "${VERSION}")
if(NOT version3)
    message(FATAL_ERROR "The version ${VERSION} is not MAJOR.MINOR.PATCH")
endif()
set(setup "${OUT_DIR}/${name}-setup.exe")
execute_process(
    COMMAND "${MAKENSIS}" -V2 -NOCD -INPUTCHARSET UTF8 "-DVERSION=${VERSION}" "-DVERSION4=${version3}.0"
            "-DPUBLISHER=${PUBLISHER}" "-DHOMEPAGE=${HOMEPAGE}" "-DICON=${ICON}"
            "-DSTAGE=${stage}" "-DFILES_INSTALL=${WORK_DIR}/install-files.nsh"
            "-DFILES_UNINSTALL=${WORK_DIR}/uninstall-files.nsh" "-DOUTFILE=${setup}"
            "${SOURCE_DIR}/packaging/windows/installer.nsi"
    COMMAND_ERROR_IS_FATAL ANY)

set(zip "${OUT_DIR}/${name}-windows-x64.zip")
file(REMOVE "${zip}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${zip}" --format=zip "${name}"
                WORKING_DIRECTORY "${WORK_DIR}" COMMAND_ERROR_IS_FATAL ANY)
foreach(made "${setup}" "${zip}")
    file(SIZE "${made}" size)
    math(EXPR kib "(${size} + 1023) / 1024")
    message(STATUS "Made ${made} (${kib} KiB)")
endforeach()
