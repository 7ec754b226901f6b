// PCM format block, sample bytes and WAV files.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/WaveData.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace sixdice::audio {

namespace {
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}
} // namespace

std::vector<std::uint8_t> PcmFormatBlock(int channels, int rate) {
    std::vector<std::uint8_t> out;
    const auto align = static_cast<std::uint32_t>(channels * 2);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(channels));
    Put32(out, static_cast<std::uint32_t>(rate));
    Put32(out, static_cast<std::uint32_t>(rate) * align);
    Put16(out, align);
    Put16(out, 16);
    return out;
}

std::vector<std::uint8_t> PcmBytes(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> out;
    out.reserve(samples.size() * 2);
    for (std::int16_t s : samples) {
        Put16(out, static_cast<std::uint16_t>(s));
    }
    return out;
}

std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples, int rate) {
    const std::vector<std::uint8_t> format = PcmFormatBlock(1, rate);
    const std::vector<std::uint8_t> data = PcmBytes(samples);
    std::vector<std::uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, static_cast<std::uint32_t>(4 + 8 + format.size() + 8 + data.size()));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, static_cast<std::uint32_t>(format.size()));
    out.insert(out.end(), format.begin(), format.end());
    PutTag(out, "data");
    Put32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::optional<std::string> WriteFile(const std::string& path,
                                     const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return "cannot write " + path + ": " + std::strerror(errno);
    }
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        return "cannot write " + path;
    }
    return std::nullopt;
}

} // namespace sixdice::audio
