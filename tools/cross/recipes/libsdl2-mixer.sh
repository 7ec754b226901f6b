# SDL2_mixer: sound effects and Ogg Vorbis music through vorbisfile; every other music format off.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2034 # read by run_recipe
package=libsdl2-mixer
version=2.6.2+dfsg-2

build() {
    cmake_recipe -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_CMD=OFF \
        -DSDL2MIXER_VORBIS=VORBISFILE -DSDL2MIXER_VORBIS_VORBISFILE_SHARED=OFF \
        -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF \
        -DSDL2MIXER_MP3=OFF
}

# The static mixer's link interface names only vorbisfile (found by its own Findvorbisfile, with
# no dependencies of its own): add vorbis and ogg from libvorbis's CMake package, and name the
# library SDL2_mixer::SDL2_mixer as a shared build would.
amend() {
    amend_config lib/cmake/SDL2_mixer/SDL2_mixerConfig.cmake <<'CMAKE'
if(TARGET SDL2_mixer::SDL2_mixer-static)
    include(CMakeFindDependencyMacro)
    find_dependency(Vorbis)
    if(TARGET vorbisfile::vorbisfile)
        get_target_property(_sixdice_libs vorbisfile::vorbisfile INTERFACE_LINK_LIBRARIES)
        if(NOT "Vorbis::vorbisfile" IN_LIST _sixdice_libs)
            set_property(TARGET vorbisfile::vorbisfile APPEND PROPERTY
                         INTERFACE_LINK_LIBRARIES Vorbis::vorbisfile)
        endif()
        unset(_sixdice_libs)
    endif()
    if(NOT TARGET SDL2_mixer::SDL2_mixer)
        add_library(SDL2_mixer::SDL2_mixer INTERFACE IMPORTED)
        set_target_properties(SDL2_mixer::SDL2_mixer PROPERTIES
                              INTERFACE_LINK_LIBRARIES SDL2_mixer::SDL2_mixer-static)
    endif()
endif()
CMAKE
}
