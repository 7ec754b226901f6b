# Media services: the interfaces (no SDL), the SDL build with its headless mode, and the recording
# double the screen tests use.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

# SDL-free helpers behind the services: placement, voices, document addresses, wave images.
sixdice_library(sixdice_media_core
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ColourKey.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DisplayScale.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DocumentAddress.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Services.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VideoOutput.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Voices.cpp
        ${CMAKE_CURRENT_LIST_DIR}/WaveImage.cpp
        ${CMAKE_CURRENT_LIST_DIR}/WindowPlacement.cpp)

# The service interfaces with the list-file data they take.
add_library(sixdice_media_interfaces INTERFACE)
target_include_directories(sixdice_media_interfaces INTERFACE "${CMAKE_SOURCE_DIR}")
target_link_libraries(sixdice_media_interfaces INTERFACE sixdice_media_core)
if(TARGET sixdice_listfile)
    target_link_libraries(sixdice_media_interfaces INTERFACE sixdice_listfile)
endif()

# The recording double and the PNG helpers for tests (no SDL).
find_package(PNG)
if(PNG_FOUND AND TARGET sixdice_listfile)
    sixdice_library(sixdice_media_testing
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/testing/RecordingServices.cpp
            ${CMAKE_CURRENT_LIST_DIR}/testing/PngFile.cpp
        DEPS sixdice_media_interfaces PNG::PNG)
endif()

# The services over SDL2, SDL2_mixer, SDL2_ttf and the platform's desktop services (headless with
# SIXDICE_HEADLESS=1).
if(SIXDICE_WITH_SDL AND TARGET sixdice_listfile)
    find_package(SDL2 REQUIRED)
    find_package(SDL2_mixer REQUIRED)
    find_package(SDL2_ttf REQUIRED)
    # The wait for events: SDL's own on the desktop, the page's event loop in the browser. Forms:
    # windows of their own on the desktop, layers inside the one canvas in the browser. The audio
    # output: always on on the desktop, put to rest in silence in the browser.
    if(EMSCRIPTEN)
        set(event_wait "${CMAKE_SOURCE_DIR}/platform/web/EventWait.cpp")
        set(form_window "${CMAKE_SOURCE_DIR}/platform/web/FormWindow.cpp")
        set(audio_output "${CMAKE_SOURCE_DIR}/platform/web/AudioOutput.cpp")
    else()
        set(event_wait "${CMAKE_CURRENT_LIST_DIR}/sdl/EventWait.cpp")
        set(form_window "${CMAKE_CURRENT_LIST_DIR}/sdl/SdlFormWindow.cpp")
        set(audio_output "${CMAKE_CURRENT_LIST_DIR}/sdl/AudioOutput.cpp")
    endif()
    sixdice_library(sixdice_media_sdl
        SOURCES
            ${audio_output}
            ${CMAKE_CURRENT_LIST_DIR}/sdl/FontCache.cpp
            ${event_wait}
            ${CMAKE_CURRENT_LIST_DIR}/sdl/FontLocator.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlDesktop.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlDialog.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlErrorBox.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlEvents.cpp
            ${form_window}
            ${CMAKE_CURRENT_LIST_DIR}/sdl/FormLayers.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlGraphics.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlHandles.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlMusic.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlPresenter.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlScale.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlServices.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlSound.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlWindow.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlWindowIcon.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sdl/SurfaceCanvas.cpp
        DEPS sixdice_media_interfaces sixdice_widgets sixdice_platform_media SDL2::SDL2
             SDL2_mixer::SDL2_mixer SDL2_ttf::SDL2_ttf)
endif()

# The window icon: the artwork's icon source rendered into a header the build compiles in.
# (Leak reports of the renderer's libraries would fail a sanitizer build; they are not ours.)
# A cross build has no renderer of its own: it takes the header the Linux build rendered.
set(SIXDICE_HOST_GENERATED_DIR "${CMAKE_SOURCE_DIR}/build/generated" CACHE PATH
    "A cross build's source of generated headers: the Linux build's generated/ folder")
if(TARGET sixdice_media_sdl AND CMAKE_CROSSCOMPILING)
    set(host_icon_header "${SIXDICE_HOST_GENERATED_DIR}/media/sdl/WindowIconPixels.h")
    if(NOT EXISTS "${host_icon_header}")
        message(FATAL_ERROR "${host_icon_header} is missing: build the Linux version first "
                            "(./play or ./run-tests), which renders the window icon")
    endif()
    set(icon_header "${CMAKE_BINARY_DIR}/generated/media/sdl/WindowIconPixels.h")
    add_custom_command(
        OUTPUT "${icon_header}"
        COMMAND "${CMAKE_COMMAND}" -E copy "${host_icon_header}" "${icon_header}"
        DEPENDS "${host_icon_header}"
        COMMENT "Taking the window icon the Linux build rendered"
        VERBATIM)
    target_sources(sixdice_media_sdl PRIVATE "${icon_header}")
    target_include_directories(sixdice_media_sdl PRIVATE "${CMAKE_BINARY_DIR}/generated")
elseif(TARGET sixdice_media_sdl)
    set(icon_header "${CMAKE_BINARY_DIR}/generated/media/sdl/WindowIconPixels.h")
    add_custom_command(
        OUTPUT "${icon_header}"
        COMMAND "${CMAKE_COMMAND}" -E env ASAN_OPTIONS=detect_leaks=0
                "$<TARGET_FILE:sixdice_artbuild>" icon-pixels
                "${CMAKE_SOURCE_DIR}/assets/art/icon.svg" "${CMAKE_SOURCE_DIR}/assets/art"
                "${icon_header}" 64 --depfile "${icon_header}.d"
        DEPENDS "${CMAKE_SOURCE_DIR}/assets/art/icon.svg" sixdice_artbuild
        DEPFILE "${icon_header}.d"
        COMMENT "Rendering the window icon"
        VERBATIM)
    target_sources(sixdice_media_sdl PRIVATE "${icon_header}")
    target_include_directories(sixdice_media_sdl PRIVATE "${CMAKE_BINARY_DIR}/generated")
endif()
