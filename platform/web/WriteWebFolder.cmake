# Lays out the browser build's page folder: the page, the data files from the desktop build's run
# folder and the fonts beside the game's sixdice.js and sixdice.wasm, and writes manifest.json
# naming each file with its address relative to the page and its size in bytes.
# cmake -DPAGE_FILES=... -DASSET_DIR=... -DFONT_FILES=... -DWEB_DIR=... -P WriteWebFolder.cmake
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)

foreach(file IN LISTS PAGE_FILES)
    file(COPY "${file}" DESTINATION "${WEB_DIR}")
endforeach()

set(data_files nastaveni.zrk grafika_cz.zrk grafika_en.zrk zvuky.zrk pravidla.htm rules.htm
    email.bmp)
file(GLOB music RELATIVE "${ASSET_DIR}" "${ASSET_DIR}/hudba/*.ogg")
list(SORT music)
list(APPEND data_files ${music})
foreach(name IN LISTS data_files)
    if(NOT EXISTS "${ASSET_DIR}/${name}")
        message(FATAL_ERROR "The data file ${ASSET_DIR}/${name} is missing: build the game's "
                            "data files first (the desktop build's run folder).")
    endif()
    get_filename_component(folder "${name}" DIRECTORY)
    file(COPY "${ASSET_DIR}/${name}" DESTINATION "${WEB_DIR}/${folder}")
endforeach()
foreach(font IN LISTS FONT_FILES)
    if(NOT EXISTS "${font}")
        message(FATAL_ERROR "The font ${font} is missing (tools/ensure-packages run).")
    endif()
    file(COPY "${font}" DESTINATION "${WEB_DIR}")
    get_filename_component(name "${font}" NAME)
    list(APPEND data_files "${name}")
endforeach()

# The page's icon, drawn by the desktop build's artwork builder (beside its run folder).
get_filename_component(desktop_build "${ASSET_DIR}" DIRECTORY)
set(artbuild "${desktop_build}/tools/assetbuild/sixdice_artbuild")
if(NOT EXISTS "${artbuild}")
    message(FATAL_ERROR "The artwork builder ${artbuild} is missing: build the desktop version first.")
endif()
execute_process(
    COMMAND "${artbuild}" icons "${ICON_SOURCE}" "${ART_ROOT}" "${WEB_DIR}/.icon" sixdice 32
    RESULT_VARIABLE icon_result)
if(NOT icon_result EQUAL 0)
    message(FATAL_ERROR "The page's icon could not be drawn")
endif()
file(COPY_FILE "${WEB_DIR}/.icon/32x32/apps/sixdice.png" "${WEB_DIR}/icon.png")
file(REMOVE_RECURSE "${WEB_DIR}/.icon")
list(APPEND data_files icon.png)

# JSON needs no escaping here: every name is plain ASCII without quotes or backslashes.
set(entries "")
foreach(name IN LISTS data_files)
    file(SIZE "${WEB_DIR}/${name}" bytes)
    list(APPEND entries "    \"${name}\": {\"url\": \"${name}\", \"bytes\": ${bytes}}")
endforeach()
list(JOIN entries ",\n" files_json)
set(json "{\n  \"files\": {\n${files_json}\n  },\n  \"scripts\": {\n")
string(APPEND json "    \"sixdice.js\": \"sixdice.js\",\n    \"sixdice.wasm\": \"sixdice.wasm\"\n")
string(APPEND json "  }\n}\n")
file(WRITE "${WEB_DIR}/manifest.json.new" "${json}")
file(RENAME "${WEB_DIR}/manifest.json.new" "${WEB_DIR}/manifest.json")
