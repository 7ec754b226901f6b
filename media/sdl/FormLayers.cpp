// Layers over the main frame: placement, drawing with the controls' look, and routing input.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/FormLayers.h"

#include "media/widgets/WidgetLook.h"

#include <algorithm>

namespace sixdice::media::sdl {

namespace look = widgets::look;

namespace {

bool Inside(const Rect& r, int x, int y) {
    return x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height;
}

} // namespace

LayerPlacement PlaceLayer(Size client, Size frame) {
    LayerPlacement p;
    const int width = client.width + 2 * kLayerBorder;
    const int height = client.height + 2 * kLayerBorder + kLayerCaptionHeight;
    p.outer = {std::max(0, (frame.width - width) / 2), std::max(0, (frame.height - height) / 2),
               width, height};
    p.caption = {p.outer.x + kLayerBorder, p.outer.y + kLayerBorder, client.width,
                 kLayerCaptionHeight};
    const int box = kLayerCaptionHeight - 4;
    p.closeBox = {p.caption.x + p.caption.width - box - 2, p.caption.y + 2, box, box};
    p.client = {p.caption.x, p.caption.y + kLayerCaptionHeight, client.width, client.height};
    return p;
}

Size LayerRoom(Size frame) {
    return {std::max(0, frame.width - 2 * kLayerBorder),
            std::max(0, frame.height - 2 * kLayerBorder - kLayerCaptionHeight)};
}

FormLayers& FormLayers::Instance() {
    static FormLayers layers;
    return layers;
}

void FormLayers::SetHost(std::function<void()> present, std::function<Size()> size) {
    present_ = std::move(present);
    size_ = std::move(size);
}

void FormLayers::ClearHost() {
    present_ = {};
    size_ = {};
}

std::optional<Size> FormLayers::HostSize() const {
    if (!size_)
        return std::nullopt;
    return size_();
}

Uint32 FormLayers::Add(const std::string& caption, SDL_Surface* client) {
    Layer layer;
    layer.id = ++nextId_;
    layer.caption = caption;
    layer.client = client;
    layers_.push_back(layer);
    return layer.id;
}

void FormLayers::Remove(Uint32 id) {
    std::erase_if(layers_, [id](const Layer& l) { return l.id == id; });
}

void FormLayers::Show(Uint32 id) {
    for (Layer& l : layers_) {
        if (l.id == id)
            l.shown = true;
    }
}

bool FormLayers::AnyShown() const {
    return std::any_of(layers_.begin(), layers_.end(), [](const Layer& l) { return l.shown; });
}

void FormLayers::PresentHost() const {
    if (present_)
        present_();
}

const FormLayers::Layer* FormLayers::Top() const {
    for (auto it = layers_.rbegin(); it != layers_.rend(); ++it) {
        if (it->shown)
            return &*it;
    }
    return nullptr;
}

void FormLayers::Compose(SurfaceCanvas& canvas, SDL_Surface& frame) const {
    const Size size{frame.w, frame.h};
    for (const Layer& layer : layers_) {
        if (!layer.shown || !layer.client)
            continue;
        const LayerPlacement p = PlaceLayer({layer.client->w, layer.client->h}, size);
        canvas.ClearClip();
        // A raised frame in gold, the caption bar in the buttons' gradient, a close box.
        canvas.FillRect(p.outer, look::kGoldMiddle);
        look::DrawRaisedFrame(canvas, p.outer, /*pressed=*/false);
        look::FillGradient(canvas, p.caption, look::kGoldTop, look::kGoldMiddle, look::kGoldBottom);
        canvas.SetClip(
            {p.caption.x + 4, p.caption.y, p.closeBox.x - p.caption.x - 6, p.caption.height});
        canvas.SetFont(kMsSansSerifBold, 8, look::kCaptionInk);
        canvas.DrawText(p.caption.x + 4, p.caption.y + (p.caption.height - canvas.LineHeight()) / 2,
                        layer.caption);
        canvas.ClearClip();
        canvas.FillRect(p.closeBox, look::kGoldTop);
        look::DrawRaisedFrame(canvas, p.closeBox, closePressed_ && &layer == Top());
        // The cross: two diagonals through the box's middle.
        const int inset = 4;
        const int span = p.closeBox.width - 2 * inset;
        for (int i = 0; i < span; ++i) {
            for (int thick = 0; thick < 2; ++thick) {
                canvas.FillRect({p.closeBox.x + inset + i + thick, p.closeBox.y + inset + i, 1, 1},
                                look::kCaptionInk);
                canvas.FillRect(
                    {p.closeBox.x + inset + span - 1 - i + thick, p.closeBox.y + inset + i, 1, 1},
                    look::kCaptionInk);
            }
        }
        SDL_Rect target{p.client.x, p.client.y, p.client.width, p.client.height};
        SDL_SetSurfaceBlendMode(layer.client, SDL_BLENDMODE_NONE);
        SDL_BlitSurface(layer.client, nullptr, &frame, &target);
    }
}

bool FormLayers::Route(SDL_Event& e) {
    const Layer* top = Top();
    if (!top || !size_)
        return true;
    const LayerPlacement p = PlaceLayer({top->client->w, top->client->h}, size_());
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        e.key.windowID = top->id;
        return true;
    case SDL_TEXTINPUT:
        e.text.windowID = top->id;
        return true;
    case SDL_TEXTEDITING:
        e.edit.windowID = top->id;
        return true;
    case SDL_MOUSEMOTION:
        if (Inside(p.client, e.motion.x, e.motion.y)) {
            e.motion.windowID = top->id;
            e.motion.x -= p.client.x;
            e.motion.y -= p.client.y;
        }
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = e.type == SDL_MOUSEBUTTONDOWN;
        if (e.button.button == SDL_BUTTON_LEFT && Inside(p.closeBox, e.button.x, e.button.y)) {
            const bool wasPressed = closePressed_;
            closePressed_ = down;
            PresentHost();
            if (down || !wasPressed)
                return false;
            const Uint32 id = top->id;
            e = SDL_Event{};
            e.type = SDL_WINDOWEVENT;
            e.window.event = SDL_WINDOWEVENT_CLOSE;
            e.window.windowID = id;
            return true;
        }
        if (!down && closePressed_) {
            closePressed_ = false;
            PresentHost();
        }
        if (Inside(p.client, e.button.x, e.button.y)) {
            e.button.windowID = top->id;
            e.button.x -= p.client.x;
            e.button.y -= p.client.y;
        }
        return true;
    }
    default:
        return true;
    }
}

} // namespace sixdice::media::sdl
