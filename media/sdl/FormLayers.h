// Forms drawn inside the main window instead of in windows of their own, for a display that has
// only the one (the browser's canvas): each open form is a layer over the main window's frame,
// centred, in a frame with a caption bar and a close box, and takes the input that lands on it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"
#include "media/sdl/SurfaceCanvas.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sixdice::media::sdl {

// Where a layer lies in a main frame of a given size.
struct LayerPlacement {
    Rect outer; // the frame with its caption bar
    Rect caption;
    Rect closeBox;
    Rect client; // the form's own pixels
};

// The caption bar's height and the frame's width around the client area.
inline constexpr int kLayerCaptionHeight = 18;
inline constexpr int kLayerBorder = 3;

// Centred in the frame; a form larger than the frame keeps its top-left corner inside it.
LayerPlacement PlaceLayer(Size client, Size frame);

// The largest client area a layer can show whole in a frame of that size.
Size LayerRoom(Size frame);

class FormLayers {
public:
    // The layers of this process (there is one main window).
    static FormLayers& Instance();

    // The main window's side: how to show its frame again (with the layers over it) and its size.
    void SetHost(std::function<void()> present, std::function<Size()> size);
    void ClearHost();
    std::optional<Size> HostSize() const;

    // A form's side: a layer showing `client` (kept by the form) under `caption`, hidden until
    // Show. Ids stand in for window ids in the form's events and are never 0.
    Uint32 Add(const std::string& caption, SDL_Surface* client);
    void Remove(Uint32 id);
    void Show(Uint32 id);
    bool AnyShown() const;
    // Shows the main frame again, layers included (a form presented).
    void PresentHost() const;

    // Draws the shown layers over `frame`, oldest first; `canvas` draws on `frame`.
    void Compose(SurfaceCanvas& canvas, SDL_Surface& frame) const;

    // Makes an event of the main window one of the top layer's where it belongs there: keys and
    // text always, the pointer over its client area (positions made relative to it), and a click
    // on its close box becomes its close request. False: the event is used up and goes nowhere.
    bool Route(SDL_Event& e);

private:
    struct Layer {
        Uint32 id = 0;
        std::string caption;
        SDL_Surface* client = nullptr;
        bool shown = false;
    };
    const Layer* Top() const;

    std::vector<Layer> layers_;
    Uint32 nextId_ = 0x5D1CE000;
    std::function<void()> present_;
    std::function<Size()> size_;
    bool closePressed_ = false;
};

} // namespace sixdice::media::sdl
