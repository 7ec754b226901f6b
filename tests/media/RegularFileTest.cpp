// Reading named files: only regular ones, never blocking, within their limit, with the reason.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/RegularFile.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sixdice::media {
namespace {

namespace fs = std::filesystem;

class RegularFile : public ::testing::Test {
protected:
    fs::path dir_ = fs::temp_directory_path() /
                    ("sixdice_regular_" + std::to_string(::getpid()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_all, ignored);
        fs::remove_all(dir_, ignored);
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }
    static std::string Text(const FileBytes& file) {
        return std::string(file.bytes().begin(), file.bytes().end());
    }
};

TEST_F(RegularFile, ReadsAWholeFileUpToItsLimit) {
    FileBytes file;
    EXPECT_EQ(ReadRegularFile(Write("a", "0\n0\nCZ\n"), 100, file), std::nullopt);
    EXPECT_EQ(Text(file), "0\n0\nCZ\n");
    EXPECT_EQ(ReadRegularFile(Write("empty", ""), 100, file), std::nullopt);
    EXPECT_TRUE(file.bytes().empty());
    // Exactly at the limit is allowed, one byte more is not.
    EXPECT_EQ(ReadRegularFile(Write("b", std::string(100, 'x')), 100, file), std::nullopt);
    EXPECT_EQ(file.bytes().size(), 100u);
    const auto over = ReadRegularFile(Write("c", std::string(101, 'x')), 100, file);
    ASSERT_TRUE(over);
    EXPECT_EQ(over->problem, FileProblem::TooLarge);
    EXPECT_EQ(over->size, 101u);
    EXPECT_EQ(over->limit, 100u);
    EXPECT_EQ(over->Reason(), "it holds 101 bytes, more than the 100 bytes such a file may have");
    // A large file goes through the huge-page buffer and comes back byte for byte.
    std::string large(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) {
        large[i] = char(i * 7 + (i >> 13));
    }
    EXPECT_EQ(ReadRegularFile(Write("large", large), 4 * 1024 * 1024, file), std::nullopt);
    EXPECT_EQ(Text(file), large);
}

TEST_F(RegularFile, AHugeFileIsRefusedBeforeAnythingIsRead) {
    // A sparse file of 5 GB takes no room on disk; reading it would take 5 GB of memory.
    const fs::path huge = dir_ / "huge.zrk";
    { std::ofstream(huge).put('x'); }
    fs::resize_file(huge, std::uintmax_t(5) << 30);
    FileBytes file;
    const auto refusal = ReadRegularFile(huge.string(), file_limits::kListFile, file);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->problem, FileProblem::TooLarge);
    EXPECT_EQ(refusal->Reason(), "it holds 5 GB, more than the 40 MB such a file may have");
}

TEST_F(RegularFile, WhatIsNotARegularFileIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0644), 0);
    fs::create_directory(dir_ / "folder");
    fs::create_symlink("/dev/zero", dir_ / "zero");
    fs::create_symlink("nowhere", dir_ / "dangling");
    const struct {
        const char* name;
        FileProblem problem;
        const char* reason;
    } cases[] = {
        {"pipe", FileProblem::NamedPipe, "it is a named pipe, not a regular file"},
        {"folder", FileProblem::Folder, "it is a folder, not a file"},
        {"zero", FileProblem::Device, "it is a device, not a regular file"},
        {"dangling", FileProblem::Missing, "no such file"},
        {"absent", FileProblem::Missing, "no such file"},
        {"folder/../pipe/x", FileProblem::Missing, "no such file"},
    };
    for (const auto& c : cases) {
        const std::string path = (dir_ / c.name).string();
        const auto started = std::chrono::steady_clock::now();
        FileBytes file;
        const auto read = ReadRegularFile(path, file_limits::kListFile, file);
        ReadHandle handle;
        const auto opened = OpenRegularFile(path, file_limits::kMusicFile, handle);
        const auto inspected = InspectRegularFile(path, file_limits::kMusicFile);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << c.name;
        for (const auto& refusal : {read, opened, inspected}) {
            ASSERT_TRUE(refusal) << c.name;
            EXPECT_EQ(refusal->problem, c.problem) << c.name;
            EXPECT_EQ(refusal->Reason(), c.reason) << c.name;
        }
        EXPECT_FALSE(handle.IsOpen()) << c.name;
    }
    // A socket, the last kind of special file.
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (dir_ / "sock").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    FileBytes file;
    const auto refusal = ReadRegularFile(socketPath, 100, file);
    ::close(sock);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->problem, FileProblem::Socket);
}

TEST_F(RegularFile, NamesWithANulByteOrNothingAreRefused) {
    const std::string real = Write("settings", "0\n");
    FileBytes file;
    for (const std::string& name : {std::string(), real + std::string("\0.evil", 6)}) {
        const auto refusal = ReadRegularFile(name, 100, file);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->problem, FileProblem::BadName);
    }
}

// As root every file is readable, so a child process gives up root first.
TEST_F(RegularFile, AFileThatMayNotBeReadIsRefusedAsSuch) {
    const std::string secret = Write("secret", "0\n0\nCZ\n");
    fs::permissions(secret, fs::perms::none);
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(3);
        }
        FileBytes file;
        const auto refusal = ReadRegularFile(secret, 100, file);
        ::_exit(refusal && refusal->problem == FileProblem::NoPermission &&
                        refusal->Reason() == "permission denied"
                    ? 0
                    : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 3) << "could not give up root in the child";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "an unreadable file is refused for want of permission";
}

TEST_F(RegularFile, AFileThatSaysNoSizeIsStillReadToItsEndWithinTheLimit) {
    // The kernel's status files are regular files whose size reads as 0.
    FileBytes file;
    ASSERT_EQ(ReadRegularFile("/proc/self/status", 1 << 20, file), std::nullopt);
    EXPECT_NE(Text(file).find("Name:"), std::string::npos);
    const auto refusal = ReadRegularFile("/proc/self/status", 16, file);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->problem, FileProblem::TooLarge);
    EXPECT_TRUE(file.bytes().empty()) << "nothing of a refused file is kept";
}

TEST_F(RegularFile, AnOpenedFileBecomesAStreamReadingInBlockingMode) {
    const std::string path = Write("music", "OggS....");
    ReadHandle handle;
    ASSERT_EQ(OpenRegularFile(path, 100, handle), std::nullopt);
    ASSERT_TRUE(handle.IsOpen());
    EXPECT_EQ(handle.Size(), 8u);
    ReadHandle moved(std::move(handle));
    EXPECT_FALSE(handle.IsOpen()) << "a moved handle is closed, not shared";
    ASSERT_TRUE(moved.IsOpen());
    int error = 0;
    std::FILE* stream = moved.ReleaseToStream(error);
    ASSERT_NE(stream, nullptr) << error;
    EXPECT_FALSE(moved.IsOpen()) << "the stream owns the file now";
    EXPECT_EQ(::fcntl(::fileno(stream), F_GETFL) & O_NONBLOCK, 0);
    char buffer[4];
    EXPECT_EQ(std::fread(buffer, 1, 4, stream), 4u);
    EXPECT_EQ(std::string(buffer, 4), "OggS");
    std::fclose(stream);
}

TEST(SizeInWords, RoundsToOneDecimalInBinaryUnits) {
    EXPECT_EQ(SizeInWords(0), "0 bytes");
    EXPECT_EQ(SizeInWords(1), "1 byte");
    EXPECT_EQ(SizeInWords(1023), "1023 bytes");
    EXPECT_EQ(SizeInWords(4096), "4 KB");
    EXPECT_EQ(SizeInWords(1536), "1.5 KB");
    EXPECT_EQ(SizeInWords(64u * 1024 * 1024), "64 MB");
    EXPECT_EQ(SizeInWords((std::uint64_t(1) << 40) * 3), "3 TB");
}

} // namespace
} // namespace sixdice::media
