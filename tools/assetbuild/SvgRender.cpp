// librsvg + cairo rendering of artwork sources into opaque 0x00RRGGBB pictures.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/SvgRender.h"

#include <cairo.h>
#include <cmath>
#include <librsvg/rsvg.h>
#include <memory>
#include <sstream>

namespace sixdice::art {
namespace {

// The felt under everything: what shows through any pixel a source leaves uncovered.
constexpr double kFeltR = 0.0;
constexpr double kFeltG = 64.0 / 255.0;
constexpr double kFeltB = 0.0;

struct HandleDeleter {
    void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Handle = std::unique_ptr<RsvgHandle, HandleDeleter>;
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

Handle Parse(const std::string& svg) {
    GError* error = nullptr;
    RsvgHandle* handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
    if (handle == nullptr) {
        std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw ArtError("SVG does not parse: " + message);
    }
    rsvg_handle_set_dpi(handle, 96.0);
    return Handle(handle);
}

void Render(RsvgHandle* handle, cairo_t* cr, int docWidth, int docHeight) {
    const RsvgRectangle viewport{0, 0, double(docWidth), double(docHeight)};
    GError* error = nullptr;
    if (!rsvg_handle_render_document(handle, cr, &viewport, &error)) {
        std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw ArtError("SVG does not render: " + message);
    }
}

media::Picture FromSurface(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    media::Picture picture;
    picture.width = cairo_image_surface_get_width(surface);
    picture.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    picture.pixels.resize(std::size_t(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < picture.width; ++x) {
            picture.pixels[std::size_t(y) * picture.width + x] = row[x] & 0x00FFFFFFu;
        }
    }
    return picture;
}

Surface ToSurface(const media::Picture& picture) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height));
    const int stride = cairo_image_surface_get_stride(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < picture.width; ++x) {
            row[x] = 0xFF000000u | picture.at(x, y);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

} // namespace

media::Picture RenderSvg(const std::string& svg, int docWidth, int docHeight,
                         const PixelRect& region) {
    Handle handle = Parse(svg);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, region.width, region.height));
    Context cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), kFeltR, kFeltG, kFeltB);
    cairo_paint(cr.get());
    cairo_translate(cr.get(), -region.x, -region.y);
    Render(handle.get(), cr.get(), docWidth, docHeight);
    return FromSurface(surface.get());
}

std::vector<std::uint32_t> RenderSvgScaled(const std::string& svg, int docWidth, int docHeight,
                                           int width, int height) {
    Handle handle = Parse(svg);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    Context cr(cairo_create(surface.get()));
    cairo_scale(cr.get(), double(width) / docWidth, double(height) / docHeight);
    Render(handle.get(), cr.get(), docWidth, docHeight);
    cr.reset();
    cairo_surface_flush(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    std::vector<std::uint32_t> pixels;
    pixels.reserve(std::size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
        pixels.insert(pixels.end(), row, row + width);
    }
    return pixels;
}

bool InkBounds(const std::string& svg, int docWidth, int docHeight, const std::string& id,
               PixelRect& bounds) {
    Handle handle = Parse(svg);
    const RsvgRectangle viewport{0, 0, double(docWidth), double(docHeight)};
    RsvgRectangle ink{};
    RsvgRectangle logical{};
    GError* error = nullptr;
    const std::string ref = "#" + id;
    if (!rsvg_handle_get_geometry_for_layer(handle.get(), ref.c_str(), &viewport, &ink, &logical,
                                            &error)) {
        std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw ArtError("no geometry for " + ref + ": " + message);
    }
    if (ink.width <= 0 || ink.height <= 0) {
        return false;
    }
    bounds.x = int(std::floor(ink.x));
    bounds.y = int(std::floor(ink.y));
    bounds.width = int(std::ceil(ink.x + ink.width)) - bounds.x;
    bounds.height = int(std::ceil(ink.y + ink.height)) - bounds.y;
    return true;
}

std::vector<RenderedImage> RenderCuts(const AssembledSource& source) {
    std::vector<RenderedImage> images;
    for (const ImageCut& cut : source.cuts) {
        const std::string svg = MarkElements(source.svg, cut.marks);
        images.push_back({cut, RenderSvg(svg, source.width, source.height,
                                         {cut.x, cut.y, cut.width, cut.height})});
    }
    return images;
}

namespace {

bool LabelFits(const AssembledSource& source, const PlateLayout& plate, PixelRect& ink) {
    if (!InkBounds(source.svg, source.width, source.height, plate.id + "-label", ink)) {
        return false;
    }
    // The label may use the bevel but must leave the rim, the plate's outer pixel, alone.
    return ink.x >= plate.x1 + 1 && ink.y >= plate.y1 + 1 && ink.x + ink.width <= plate.x2 &&
           ink.y + ink.height <= plate.y2;
}

} // namespace

void ShrinkLabelsToFit(AssembledSource& source) {
    constexpr double kSmallest = 6.0;
    for (const PlateLayout& plate : source.plates) {
        if (!plate.hasLabel || !plate.shrinkToFit) {
            continue;
        }
        const std::string id = "id=\"" + plate.id + "-label\"";
        const std::size_t element = source.svg.find(id);
        const std::size_t sizeAt = source.svg.find("font-size=\"", element);
        if (element == std::string::npos || sizeAt == std::string::npos) {
            continue;
        }
        const std::size_t valueAt = sizeAt + 11;
        const std::size_t valueEnd = source.svg.find('"', valueAt);
        double size = std::stod(source.svg.substr(valueAt, valueEnd - valueAt));
        PixelRect ink;
        while (!LabelFits(source, plate, ink) && size > kSmallest) {
            size -= 0.5;
            const std::size_t end = source.svg.find('"', valueAt);
            std::ostringstream value;
            value << size;
            source.svg.replace(valueAt, end - valueAt, value.str());
        }
    }
}

std::vector<std::string> CheckPlateLabels(const AssembledSource& source) {
    std::vector<std::string> faults;
    for (const PlateLayout& plate : source.plates) {
        if (!plate.hasLabel) {
            continue;
        }
        PixelRect ink;
        if (!InkBounds(source.svg, source.width, source.height, plate.id + "-label", ink)) {
            faults.push_back("the label of " + plate.id + " draws nothing");
            continue;
        }
        if (!LabelFits(source, plate, ink)) {
            faults.push_back("the label of " + plate.id + " spills over its plate: ink " +
                             std::to_string(ink.x) + "," + std::to_string(ink.y) + " " +
                             std::to_string(ink.width) + "x" + std::to_string(ink.height) +
                             ", plate " + std::to_string(plate.x1) + "," +
                             std::to_string(plate.y1) + ".." + std::to_string(plate.x2) + "," +
                             std::to_string(plate.y2));
        }
    }
    return faults;
}

void DrawSvgOver(media::Picture& picture, const std::string& svg) {
    Handle handle = Parse(svg);
    Surface surface = ToSurface(picture);
    Context cr(cairo_create(surface.get()));
    Render(handle.get(), cr.get(), picture.width, picture.height);
    cr.reset();
    picture = FromSurface(surface.get());
}

} // namespace sixdice::art
