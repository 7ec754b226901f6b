// The player's settings on Windows: %APPDATA%\SixDice, the roaming application data folder the
// shell names, looked at with the file's attributes.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsLocation.h"

#include "platform/windows/WideText.h"

// windows.h first: the other Windows headers build on its types.
// clang-format off
#include <windows.h>
#include <initguid.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

namespace sixdice::platform {
namespace {

// Errors that mean nothing is there, or the place cannot be looked at.
bool NothingThere(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_ACCESS_DENIED: // a folder on the way that may not be searched
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY: // a file where a folder should be on the way
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_CANT_RESOLVE_FILENAME: // links that lead round in a circle
    case ERROR_NOT_READY:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<std::string> PerUserSettingsFile(const std::string& fileName) {
    PWSTR folder = nullptr;
    if (FAILED(
            SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DONT_VERIFY, nullptr, &folder))) {
        CoTaskMemFree(folder);
        return std::nullopt;
    }
    const std::string base = Utf8FromWide(folder);
    CoTaskMemFree(folder);
    if (base.empty()) {
        return std::nullopt;
    }
    return base + "\\SixDice\\" + fileName;
}

bool PerUserFileIsThere(const std::string& path) {
    const auto wide = WideFromUtf8(path);
    if (!wide) {
        return false;
    }
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) {
        return !NothingThere(GetLastError());
    }
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return true;
    }
    // The attributes are the link's own: follow it, so a link that leads nowhere counts as no
    // file. Asking for no access at all opens even a file that may not be read.
    const HANDLE target =
        CreateFileW(wide->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (target == INVALID_HANDLE_VALUE) {
        return !NothingThere(GetLastError());
    }
    CloseHandle(target);
    return true;
}

} // namespace sixdice::platform
