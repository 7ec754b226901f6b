# The Windows packages: `cmake --build --preset windows --target package` gives
# SixDice-VERSION-setup.exe and SixDice-VERSION-windows-x64.zip in the build folder, both made
# from the Windows run folder (MakePackages.cmake).
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
find_program(SIXDICE_MAKENSIS makensis)
if(NOT SIXDICE_MAKENSIS)
    message(WARNING "makensis (Debian package nsis) is missing: no Windows packages")
    return()
endif()
set(package_depends sixdice)
foreach(target zrk sixdice_windows_run_folder)
    if(TARGET ${target})
        list(APPEND package_depends ${target})
    endif()
endforeach()
add_custom_target(package
    COMMAND "${CMAKE_COMMAND}" "-DRUN_DIR=${SIXDICE_RUN_DIR}" "-DSOURCE_DIR=${CMAKE_SOURCE_DIR}"
            "-DWORK_DIR=${CMAKE_BINARY_DIR}/package-stage" "-DOUT_DIR=${CMAKE_BINARY_DIR}"
            "-DVERSION=${PROJECT_VERSION}" "-DPUBLISHER=${SIXDICE_DEVELOPER_NAME}"
            "-DHOMEPAGE=${SIXDICE_HOMEPAGE}" "-DICON=${SIXDICE_WINDOWS_ICON}"
            "-DMAKENSIS=${SIXDICE_MAKENSIS}"
            -P "${CMAKE_CURRENT_LIST_DIR}/MakePackages.cmake"
    DEPENDS ${package_depends} sixdice_windows_icon
    COMMENT "Making the Windows installer and the portable zip"
    VERBATIM)
