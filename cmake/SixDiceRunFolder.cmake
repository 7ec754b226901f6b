# Lays out a cross build's run folder: the data files the Linux build generated (every file and
# folder of its run folder but its own executable), and the font files the game ships where the
# system has none of its stand-ins. Run with cmake -P:
#   -DASSET_DIR=<the Linux build's run folder> -DRUN_DIR=<this build's> -DFONT_FILES=<a;b;c>
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
foreach(required nastaveni.zrk grafika_cz.zrk grafika_en.zrk zvuky.zrk)
    if(NOT EXISTS "${ASSET_DIR}/${required}")
        message(FATAL_ERROR "${ASSET_DIR}/${required} is missing: build the Linux version first "
                            "(./play or ./run-tests), which generates the data files")
    endif()
endforeach()
file(GLOB entries RELATIVE "${ASSET_DIR}" "${ASSET_DIR}/*")
foreach(entry IN LISTS entries)
    # The Linux executable and its leftovers stay behind; everything else is data.
    if(entry STREQUAL "sixdice" OR entry MATCHES "\\.part[0-9]+$")
        continue()
    endif()
    if(IS_DIRECTORY "${ASSET_DIR}/${entry}")
        file(COPY "${ASSET_DIR}/${entry}" DESTINATION "${RUN_DIR}")
    else()
        file(COPY_FILE "${ASSET_DIR}/${entry}" "${RUN_DIR}/${entry}" ONLY_IF_DIFFERENT)
    endif()
endforeach()
foreach(font IN LISTS FONT_FILES)
    if(NOT EXISTS "${font}")
        message(FATAL_ERROR "${font} is missing (Debian packages fonts-lato and fonts-dejavu-core)")
    endif()
    get_filename_component(name "${font}" NAME)
    file(COPY_FILE "${font}" "${RUN_DIR}/${name}" ONLY_IF_DIFFERENT)
endforeach()
