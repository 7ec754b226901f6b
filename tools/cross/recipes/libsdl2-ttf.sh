# SDL2_ttf: text through FreeType, without HarfBuzz; the system's libraries, nothing vendored.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2034 # read by run_recipe
package=libsdl2-ttf
version=2.20.1+dfsg-2

build() {
    cmake_recipe -DSDL2TTF_VENDORED=OFF -DSDL2TTF_SAMPLES=OFF -DSDL2TTF_HARFBUZZ=OFF
}

# The static SDL2_ttf links Freetype::Freetype from CMake's FindFreetype, which knows nothing of
# FreeType's own dependencies: add the very zlib archive FreeType was built with (FindZLIB would
# pick the DLL's import library), and name the library SDL2_ttf::SDL2_ttf as a shared build would.
amend() {
    amend_config lib/cmake/SDL2_ttf/SDL2_ttfConfig.cmake <<CMAKE
set(_sixdice_freetype_zlib "$target_zlib_library")
if(TARGET SDL2_ttf::SDL2_ttf-static)
    if(_sixdice_freetype_zlib AND TARGET Freetype::Freetype)
        get_target_property(_sixdice_libs Freetype::Freetype INTERFACE_LINK_LIBRARIES)
        if(NOT _sixdice_freetype_zlib IN_LIST _sixdice_libs)
            set_property(TARGET Freetype::Freetype APPEND PROPERTY
                         INTERFACE_LINK_LIBRARIES "\${_sixdice_freetype_zlib}")
        endif()
        unset(_sixdice_libs)
    endif()
    if(NOT TARGET SDL2_ttf::SDL2_ttf)
        add_library(SDL2_ttf::SDL2_ttf INTERFACE IMPORTED)
        set_target_properties(SDL2_ttf::SDL2_ttf PROPERTIES
                              INTERFACE_LINK_LIBRARIES SDL2_ttf::SDL2_ttf-static)
    endif()
endif()
unset(_sixdice_freetype_zlib)
CMAKE
}
