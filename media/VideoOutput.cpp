// Telling visible video outputs from SDL's invisible ones, and the player's own choice of driver.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/VideoOutput.h"

#include <cctype>

namespace sixdice::media {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

} // namespace

bool InvisibleVideoDriver(std::string_view driver) {
    return SameName(driver, "offscreen") || SameName(driver, "dummy") || SameName(driver, "evdev");
}

bool VideoDriverRequested(std::string_view driver, const char* requested) {
    if (!requested || driver.empty())
        return false;
    std::string_view rest = requested;
    for (;;) {
        const std::size_t comma = rest.find(',');
        if (SameName(Trimmed(rest.substr(0, comma)), driver))
            return true;
        if (comma == std::string_view::npos)
            return false;
        rest.remove_prefix(comma + 1);
    }
}

std::string DisplayProblemBeforeStart(bool desktopPresent) {
    if (desktopPresent)
        return {};
    return "No desktop session to show the window on (on Linux: neither DISPLAY nor "
           "WAYLAND_DISPLAY is set).";
}

std::string DisplayProblemAfterStart(std::string_view current, const char* requested) {
    if (!InvisibleVideoDriver(current) || VideoDriverRequested(current, requested))
        return {};
    return "SDL fell back to its invisible video driver \"" + std::string(current) + "\".";
}

} // namespace sixdice::media
