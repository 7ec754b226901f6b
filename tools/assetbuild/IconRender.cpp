// Icon rendering with librsvg and cairo, written out as PNG or as compiled-in pixels.
#include "tools/assetbuild/IconRender.h"

#include <algorithm>
#include <cairo.h>
#include <cstdio>
#include <librsvg/rsvg.h>
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
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_data(
        reinterpret_cast<const guint8*>(source.svg.data()), source.svg.size(), &error);
    if (handle == nullptr) {
        std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw ArtError("SVG does not parse: " + message);
    }
    rsvg_handle_set_dpi(handle, 96.0);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size));
    cairo_t* cr = cairo_create(surface.get());
    cairo_scale(cr, double(size) / source.width, double(size) / source.height);
    const RsvgRectangle viewport{0, 0, double(source.width), double(source.height)};
    const bool drawn = rsvg_handle_render_document(handle, cr, &viewport, &error);
    cairo_destroy(cr);
    g_object_unref(handle);
    if (!drawn) {
        std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw ArtError("SVG does not render: " + message);
    }

    cairo_surface_flush(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    IconPicture icon;
    icon.size = size;
    icon.pixels.reserve(std::size_t(size) * size);
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < size; ++x) {
            icon.pixels.push_back(Unpremultiply(row[x]));
        }
    }
    return icon;
}

void SaveIconPng(const IconPicture& icon, const std::filesystem::path& file) {
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
