// Icon rendering with librsvg and cairo, written out as PNG or as compiled-in pixels.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/IconRender.h"

#include "tools/assetbuild/SvgRender.h"

#include <algorithm>
#include <cairo.h>
#include <cstdio>
#include <memory>

namespace sixdice::art {
namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Cairo keeps premultiplied alpha; the icon's users want it straight.
std::uint32_t Unpremultiply(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    if (a == 0) {
        return 0;
    }
    auto channel = [&](int shift) {
        const std::uint32_t c = (argb >> shift) & 0xFFu;
        return std::min<std::uint32_t>(255u, (c * 255u + a / 2) / a) << shift;
    };
    return (a << 24) | channel(16) | channel(8) | channel(0);
}

std::uint32_t Premultiply(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    auto channel = [&](int shift) {
        const std::uint32_t c = (argb >> shift) & 0xFFu;
        return ((c * a + 127u) / 255u) << shift;
    };
    return (a << 24) | channel(16) | channel(8) | channel(0);
}

} // namespace

IconPicture RenderIcon(const AssembledSource& source, int size) {
    if (size <= 0 || source.width <= 0 || source.height <= 0) {
        throw ArtError("an icon needs a positive size");
    }
    IconPicture icon;
    icon.size = size;
    icon.pixels = RenderSvgScaled(source.svg, source.width, source.height, size, size);
    for (std::uint32_t& pixel : icon.pixels) {
        pixel = Unpremultiply(pixel);
    }
    return icon;
}

namespace {

// The icon on a cairo surface, whose pixels are premultiplied.
Surface IconSurface(const IconPicture& icon) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, icon.size, icon.size));
    const int stride = cairo_image_surface_get_stride(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    for (int y = 0; y < icon.size; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < icon.size; ++x) {
            row[x] = Premultiply(icon.pixels[std::size_t(y) * icon.size + x]);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

std::vector<std::uint8_t> IconPngBytes(const IconPicture& icon) {
    const Surface surface = IconSurface(icon);
    std::vector<std::uint8_t> bytes;
    if (cairo_surface_write_to_png_stream(surface.get(), AppendBytes, &bytes) !=
        CAIRO_STATUS_SUCCESS) {
        throw ArtError("cannot encode a " + std::to_string(icon.size) + " pixel icon as PNG");
    }
    return bytes;
}

void SaveIconPng(const IconPicture& icon, const std::filesystem::path& file) {
    const Surface surface = IconSurface(icon);
    if (cairo_surface_write_to_png(surface.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw ArtError("cannot write " + file.string());
    }
}

std::string IconPixelsSource(const IconPicture& icon) {
    std::string out =
        "// The program's window icon, rendered from its artwork source by the build.\n"
        "#pragma once\n\n#include <cstdint>\n\n"
        "inline constexpr int kWindowIconSize = " +
        std::to_string(icon.size) +
        ";\n"
        "inline constexpr std::uint32_t kWindowIconPixels[] = {";
    char value[16];
    for (std::size_t i = 0; i < icon.pixels.size(); ++i) {
        out += i % 8 == 0 ? "\n   " : "";
        std::snprintf(value, sizeof value, " 0x%08Xu,", unsigned(icon.pixels[i]));
        out += value;
    }
    out += "\n};\n";
    return out;
}

} // namespace sixdice::art
