# Windows builds: the programs' resources (icon, manifest, version information) and the icon file
# they carry, rendered from the artwork by the asset builder.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

set(SIXDICE_PUBLISHER "The Six Dice authors")
# The icon file's sizes: what Explorer, the taskbar, the Start menu and the window's corner ask
# for at 100 % to 200 % display scale.
set(SIXDICE_ICO_SIZES 16 20 24 32 40 48 64 96 128 256)

# The asset builder runs on the build machine: a cross build takes the one of the native build
# whose data files it ships.
if(CMAKE_CROSSCOMPILING)
    get_filename_component(host_build "${SIXDICE_ASSET_DIR}" DIRECTORY)
    set(SIXDICE_HOST_ARTBUILD "${host_build}/tools/assetbuild/sixdice_artbuild" CACHE FILEPATH
        "The build machine's asset builder (sixdice_artbuild), which a cross build runs")
endif()

# sixdice_windows_icon(OUT_VAR): the rule that renders assets/art/icon.svg into
# <build>/windows/sixdice.ico; the file's path in OUT_VAR.
function(sixdice_windows_icon out)
    set(ico "${CMAKE_BINARY_DIR}/windows/sixdice.ico")
    set(depends "${CMAKE_SOURCE_DIR}/assets/art/icon.svg")
    if(CMAKE_CROSSCOMPILING)
        if(NOT EXISTS "${SIXDICE_HOST_ARTBUILD}")
            message(FATAL_ERROR "No asset builder at ${SIXDICE_HOST_ARTBUILD}: build the native "
                                "build first, or set SIXDICE_HOST_ARTBUILD")
        endif()
        set(artbuild "${SIXDICE_HOST_ARTBUILD}")
        list(APPEND depends "${SIXDICE_HOST_ARTBUILD}")
    else()
        set(artbuild sixdice_artbuild)
        list(APPEND depends sixdice_artbuild)
    endif()
    add_custom_command(
        OUTPUT "${ico}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_BINARY_DIR}/windows"
        COMMAND "${artbuild}" ico "${CMAKE_SOURCE_DIR}/assets/art/icon.svg"
                "${CMAKE_SOURCE_DIR}/assets/art" "${ico}" ${SIXDICE_ICO_SIZES}
                --depfile "${ico}.d"
        DEPENDS ${depends}
        DEPFILE "${ico}.d"
        COMMENT "Rendering the Windows icon file"
        VERBATIM)
    if(NOT TARGET sixdice_windows_icon)
        add_custom_target(sixdice_windows_icon DEPENDS "${ico}")
    endif()
    set(${out} "${ico}" PARENT_SCOPE)
endfunction()

# sixdice_windows_resources(TARGET FILE_NAME name INTERNAL_NAME name DESCRIPTION_EN text
#                           DESCRIPTION_CS text ICON file): compiles the icon, the manifest and
# the version information into TARGET (the resource compiler comes with the toolchain).
function(sixdice_windows_resources target)
    cmake_parse_arguments(ARG "" "FILE_NAME;INTERNAL_NAME;DESCRIPTION_EN;DESCRIPTION_CS;ICON" ""
                          ${ARGN})
    string(REGEX MATCH "^[0-9]+\\.[0-9]+\\.[0-9]+" version3 "${PROJECT_VERSION}")
    string(REPLACE "." "," SIXDICE_RC_VERSION_COMMAS "${version3},0")
    set(SIXDICE_RC_VERSION_DOTS "${version3}.0")
    set(SIXDICE_RC_FILE_NAME "${ARG_FILE_NAME}")
    set(SIXDICE_RC_INTERNAL_NAME "${ARG_INTERNAL_NAME}")
    set(SIXDICE_RC_DESCRIPTION_EN "${ARG_DESCRIPTION_EN}")
    set(SIXDICE_RC_DESCRIPTION_CS "${ARG_DESCRIPTION_CS}")
    set(SIXDICE_RC_PUBLISHER "${SIXDICE_PUBLISHER}")
    set(SIXDICE_RC_ASSEMBLY_NAME "SixDice.${ARG_INTERNAL_NAME}")
    set(SIXDICE_RC_COPYRIGHT "© 2026 ${SIXDICE_PUBLISHER}; GPL-3.0-or-later, artwork CC-BY-SA-4.0")
    set(SIXDICE_RC_ICON "${ARG_ICON}")
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}-resources")
    set(SIXDICE_RC_MANIFEST "${dir}/${ARG_FILE_NAME}.manifest")
    configure_file("${CMAKE_SOURCE_DIR}/packaging/windows/program.manifest.in"
                   "${SIXDICE_RC_MANIFEST}" @ONLY)
    configure_file("${CMAKE_SOURCE_DIR}/packaging/windows/program.rc.in"
                   "${dir}/${target}.rc" @ONLY)
    target_sources(${target} PRIVATE "${dir}/${target}.rc")
    set_source_files_properties("${dir}/${target}.rc" PROPERTIES
        OBJECT_DEPENDS "${ARG_ICON};${SIXDICE_RC_MANIFEST}")
    if(TARGET sixdice_windows_icon)
        add_dependencies(${target} sixdice_windows_icon)
    endif()
endfunction()
