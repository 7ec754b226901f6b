// Font files on Windows: "Arial Black" from the Windows Fonts folder when it is there, otherwise
// the stand-in fonts shipped beside the program (the same files the Linux build uses, so the
// screens are drawn alike).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontFiles.h"

#include "platform/windows/WideText.h"

#include <cwctype>

// windows.h first: the other Windows headers build on its types.
// clang-format off
#include <windows.h>
#include <initguid.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

namespace sixdice::platform {
namespace {

bool IsRegularFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder the program was started from, with a trailing separator.
std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring FontsFolder() {
    PWSTR folder = nullptr;
    std::wstring out;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Fonts, 0, nullptr, &folder))) {
        out = std::wstring(folder) + L"\\";
    }
    CoTaskMemFree(folder);
    return out;
}

bool IsArialBlack(const std::string& face) {
    static constexpr char kName[] = "arial black";
    if (face.size() != sizeof kName - 1) {
        return false;
    }
    for (std::size_t i = 0; i < face.size(); ++i) {
        if (std::towlower(static_cast<unsigned char>(face[i])) != wint_t(kName[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string InstalledFontFile(const std::string& face,
                              const std::vector<std::string>& shippedFiles) {
    if (IsArialBlack(face)) {
        const std::wstring fonts = FontsFolder();
        if (!fonts.empty() && IsRegularFile(fonts + L"ariblk.ttf")) {
            return Utf8FromWide(fonts + L"ariblk.ttf");
        }
    }
    const std::wstring folder = ProgramFolder();
    for (const std::string& name : shippedFiles) {
        const auto wide = WideFromUtf8(name);
        if (wide && IsRegularFile(folder + *wide)) {
            return Utf8FromWide(folder + *wide);
        }
    }
    return {};
}

} // namespace sixdice::platform
