// Web addresses pass through; local documents become absolute, percent-encoded file:// URLs.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/DocumentAddress.h"

#include <cctype>

namespace sixdice::media {
namespace {

// A URL scheme: a letter, then letters, digits, "+", "-" or ".", then ":". One letter alone is
// taken for a drive name, not a scheme.
bool HasScheme(const std::string& address) {
    const auto colon = address.find(':');
    if (colon == std::string::npos || colon < 2)
        return false;
    if (!std::isalpha(static_cast<unsigned char>(address[0])))
        return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(address[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

bool Unreserved(unsigned char c) {
    return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

// Windows separates folders with a backslash as well as "/"; a URL knows only "/".
std::string WithForwardSlashes(std::string path) {
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}

// "C:/..." names a folder from a drive's root; "C:rules.htm" (relative to the drive's current
// folder) does not.
bool StartsWithDrive(const std::string& path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':' && path[2] == '/';
}

bool IsAbsolute(const std::string& path) {
    return (!path.empty() && path.front() == '/') || StartsWithDrive(path);
}

} // namespace

std::string PercentEncodePath(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (const char ch : path) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (Unreserved(c) || c == '/') {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

std::string DocumentAddress(const std::string& address, const std::string& workingFolder) {
    if (HasScheme(address))
        return address;
    std::string path = WithForwardSlashes(address);
    if (!IsAbsolute(path)) {
        std::string base = WithForwardSlashes(workingFolder);
        if (base.empty() || base.back() != '/')
            base += '/';
        while (path.starts_with("./"))
            path.erase(0, 2);
        path = base + path;
    }
    // A Windows drive is written after a third slash with its colon kept ("file:///C:/Games/"),
    // the form browsers and the Windows shell read as a local file.
    if (StartsWithDrive(path))
        return "file:///" + path.substr(0, 2) + PercentEncodePath(path.substr(2));
    return "file://" + PercentEncodePath(path);
}

} // namespace sixdice::media
