// Opening addresses on Windows: the shell's "open" verb, which starts the user's browser or the
// program registered for the address's kind.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Browser.h"

#include "platform/windows/WideText.h"

// windows.h first: the other Windows headers build on its types.
// clang-format off
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
// clang-format on

namespace sixdice::platform {

std::optional<std::string> OpenInBrowser(const std::string& url) {
    const auto wide = WideFromUtf8(url);
    if (!wide) {
        return std::string("the address is not valid UTF-8");
    }
    // Some handlers of the shell expect a single-threaded COM apartment on the calling thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", wide->c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    const DWORD error = GetLastError();
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    if (result <= 32) {
        return Win32ErrorText(error != 0 ? error : DWORD(result));
    }
    return std::nullopt;
}

} // namespace sixdice::platform
