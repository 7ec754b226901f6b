// Regular files on Windows: wide-character names, CreateFileW checked by the handle's type,
// LockFileEx for writers, MoveFileExW to replace.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"

#include "platform/windows/WideText.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace sixdice::platform {
namespace {

FileRefusal Refusal(FileProblem problem, int error = 0) {
    FileRefusal r;
    r.problem = problem;
    r.error = error;
    return r;
}

FileRefusal FromWin32(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY:
        return Refusal(FileProblem::Missing, int(error));
    case ERROR_ACCESS_DENIED:
        return Refusal(FileProblem::NoPermission, int(error));
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return Refusal(FileProblem::HeldByWriter, int(error));
    case ERROR_PIPE_BUSY:
        return Refusal(FileProblem::NamedPipe, int(error));
    default:
        return Refusal(FileProblem::Unreadable, int(error));
    }
}

FileRefusal TooLarge(std::uint64_t size, std::uint64_t limit) {
    FileRefusal r = Refusal(FileProblem::TooLarge);
    r.size = size;
    r.limit = limit;
    return r;
}

// The wide name of a UTF-8 name, or why there is none.
std::optional<FileRefusal> WideName(const std::string& path, std::wstring& wide) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        return Refusal(FileProblem::BadName);
    }
    auto converted = WideFromUtf8(path);
    if (!converted) {
        return Refusal(FileProblem::Unreadable, ERROR_NO_UNICODE_TRANSLATION);
    }
    wide = std::move(*converted);
    return std::nullopt;
}

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

std::uint64_t Size(DWORD high, DWORD low) {
    return std::uint64_t(high) << 32 | low;
}

} // namespace

std::string SystemErrorText(int error) {
    return Win32ErrorText(DWORD(error));
}

void ReadHandle::Close() {
    if (handle_ != kClosed) {
        CloseHandle(Handle(handle_));
        handle_ = kClosed;
    }
}

std::optional<std::size_t> ReadHandle::Read(std::uint8_t* buffer, std::size_t size, int& error) {
    DWORD got = 0;
    const DWORD wanted = DWORD(std::min<std::size_t>(size, 0x40000000));
    if (!ReadFile(Handle(handle_), buffer, wanted, &got, nullptr)) {
        const DWORD failure = GetLastError();
        if (failure == ERROR_HANDLE_EOF || failure == ERROR_BROKEN_PIPE) {
            return 0;
        }
        error = int(failure);
        return std::nullopt;
    }
    return std::size_t(got);
}

bool ReadHandle::HeldByWriter() {
    // A shared lock over the whole file is refused while a writer holds an exclusive one.
    OVERLAPPED at{};
    if (LockFileEx(Handle(handle_), LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &at)) {
        UnlockFileEx(Handle(handle_), 0, MAXDWORD, MAXDWORD, &at);
        return false;
    }
    return GetLastError() == ERROR_LOCK_VIOLATION;
}

std::FILE* ReadHandle::ReleaseToStream(int& error) {
    const int fd = _open_osfhandle(handle_, _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        error = ERROR_TOO_MANY_OPEN_FILES;
        Close();
        return nullptr;
    }
    handle_ = kClosed; // the descriptor owns it now
    std::FILE* stream = _fdopen(fd, "rb");
    if (stream == nullptr) {
        error = ERROR_NOT_ENOUGH_MEMORY;
        _close(fd);
    }
    return stream;
}

std::optional<FileRefusal> InspectRegularFile(const std::string& path, std::uint64_t limit) {
    std::wstring wide;
    if (auto refusal = WideName(path, wide)) {
        return refusal;
    }
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) {
        return FromWin32(GetLastError());
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        return Refusal(FileProblem::Folder);
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) {
        return Refusal(FileProblem::Device);
    }
    const std::uint64_t size = Size(data.nFileSizeHigh, data.nFileSizeLow);
    if (size > limit) {
        return TooLarge(size, limit);
    }
    return std::nullopt;
}

// Looks first, opens, then looks again at what was opened: a disk file, no folder, within the
// limit. Opening a pipe by name never waits (a busy one fails at once), and a device's name opens
// a handle whose type gives it away.
std::optional<FileRefusal> OpenRegularFile(const std::string& path, std::uint64_t limit,
                                           ReadHandle& out) {
    if (auto refusal = InspectRegularFile(path, limit)) {
        return refusal;
    }
    std::wstring wide;
    if (auto refusal = WideName(path, wide)) {
        return refusal;
    }
    ReadHandle file;
    const HANDLE handle = CreateFileW(
        wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return FromWin32(GetLastError());
    }
    file.handle_ = reinterpret_cast<std::intptr_t>(handle);
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        break;
    case FILE_TYPE_PIPE:
        return Refusal(FileProblem::NamedPipe);
    case FILE_TYPE_CHAR:
        return Refusal(FileProblem::Device);
    default:
        return Refusal(FileProblem::Unreadable, ERROR_INVALID_FUNCTION);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) {
        return FromWin32(GetLastError());
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        return Refusal(FileProblem::Folder);
    }
    const std::uint64_t size = Size(info.nFileSizeHigh, info.nFileSizeLow);
    if (size > limit) {
        return TooLarge(size, limit);
    }
    file.size_ = size;
    out = std::move(file);
    return std::nullopt;
}

std::optional<LargeBlock> AllocateLargeBlock(std::size_t size) {
    // Committed pages come zeroed from the system; no huge pages, which need a privilege.
    void* region =
        VirtualAlloc(nullptr, size == 0 ? 1 : size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (region == nullptr) {
        return std::nullopt;
    }
    return LargeBlock{region, size, static_cast<std::uint8_t*>(region)};
}

void FreeLargeBlock(const LargeBlock& block) {
    if (block.region != nullptr) {
        VirtualFree(block.region, 0, MEM_RELEASE);
    }
}

std::optional<ReplaceFailure> ReplaceFileWhole(const std::string& path,
                                               std::span<const std::uint8_t> bytes) {
    const auto target = WideFromUtf8(path);
    if (path.empty() || !target) {
        return ReplaceFailure{true, ERROR_INVALID_NAME};
    }
    const std::wstring temp = *target + L".part" + std::to_wstring(GetCurrentProcessId());
    const HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return ReplaceFailure{true, int(GetLastError())};
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        const DWORD piece = DWORD(std::min<std::size_t>(bytes.size() - done, 0x40000000));
        if (!WriteFile(file, bytes.data() + done, piece, &put, nullptr) || put == 0) {
            const DWORD error = put == 0 ? GetLastError() : ERROR_WRITE_FAULT;
            CloseHandle(file);
            DeleteFileW(temp.c_str());
            return ReplaceFailure{false, int(error == 0 ? ERROR_WRITE_FAULT : error)};
        }
        done += put;
    }
    if (!CloseHandle(file) ||
        !MoveFileExW(temp.c_str(), target->c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = GetLastError();
        DeleteFileW(temp.c_str());
        return ReplaceFailure{false, int(error)};
    }
    return std::nullopt;
}

} // namespace sixdice::platform
