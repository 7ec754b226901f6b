// The words for a refused file, the same on every system but for the system's own error text.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"

namespace sixdice::platform {

std::string SizeInWords(std::uint64_t bytes) {
    if (bytes < 1024) {
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    }
    const char* units[] = {"KB", "MB", "GB", "TB"};
    double value = double(bytes) / 1024.0;
    int unit = 0;
    while (value >= 1024.0 && unit < 3) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    const double tenths = double(std::uint64_t(value * 10.0 + 0.5)) / 10.0;
    if (tenths == double(std::uint64_t(tenths))) {
        std::snprintf(text, sizeof text, "%.0f %s", tenths, units[unit]);
    } else {
        std::snprintf(text, sizeof text, "%.1f %s", tenths, units[unit]);
    }
    return text;
}

std::string FileRefusal::Reason() const {
    switch (problem) {
    case FileProblem::Missing:
        return "no such file";
    case FileProblem::Folder:
        return "it is a folder, not a file";
    case FileProblem::NamedPipe:
        return "it is a named pipe, not a regular file";
    case FileProblem::Device:
        return "it is a device, not a regular file";
    case FileProblem::Socket:
        return "it is a socket, not a regular file";
    case FileProblem::NoPermission:
        return "permission denied";
    case FileProblem::TooLarge:
        return "it holds " + SizeInWords(size) + ", more than the " + SizeInWords(limit) +
               " such a file may have";
    case FileProblem::HeldByWriter:
        return "another program holds it open for writing";
    case FileProblem::BadName:
        return "the name is empty or holds a NUL byte";
    case FileProblem::Unreadable:
        break;
    }
    return "it cannot be read: " + SystemText();
}

std::string FileRefusal::SystemText() const {
    return SystemErrorText(error);
}

ReadHandle& ReadHandle::operator=(ReadHandle&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        size_ = other.size_;
        other.handle_ = kClosed;
    }
    return *this;
}

ReadHandle::~ReadHandle() {
    Close();
}

} // namespace sixdice::platform
