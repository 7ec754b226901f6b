// Test recordings synthesised on the spot, so that no sound file is needed to test playing.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRecordings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vorbis/vorbisenc.h>

namespace sixdice::media::testing {
namespace {

void Put16(std::vector<std::uint8_t>& out, int v) {
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, int(v & 0xFFFF));
    Put16(out, int(v >> 16));
}

std::vector<std::uint8_t> FormatBlock(int tag, int channels, int rate, int bytesPerSecond,
                                      int blockAlign, int bits) {
    std::vector<std::uint8_t> f;
    Put16(f, tag);
    Put16(f, channels);
    Put32(f, std::uint32_t(rate));
    Put32(f, std::uint32_t(bytesPerSecond));
    Put16(f, blockAlign);
    Put16(f, bits);
    return f;
}

double Sine(long i, int rate) {
    return 0.5 * std::sin(2.0 * std::numbers::pi * 440.0 * double(i) / rate);
}

constexpr int kStepTable[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int kIndexTable[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

// One IMA ADPCM step: the nibble for `sample`, updating predictor and index as a decoder would.
int EncodeNibble(int sample, int& predictor, int& index) {
    const int step = kStepTable[index];
    int diff = sample - predictor;
    int nibble = 0;
    if (diff < 0) {
        nibble = 8;
        diff = -diff;
    }
    int delta = step >> 3;
    if (diff >= step) {
        nibble |= 4;
        diff -= step;
        delta += step;
    }
    if (diff >= step >> 1) {
        nibble |= 2;
        diff -= step >> 1;
        delta += step >> 1;
    }
    if (diff >= step >> 2) {
        nibble |= 1;
        delta += step >> 2;
    }
    predictor += (nibble & 8) ? -delta : delta;
    predictor = std::clamp(predictor, -32768, 32767);
    index = std::clamp(index + kIndexTable[nibble], 0, 88);
    return nibble;
}

} // namespace

SoundEntry PcmTone(int bits, int channels, int rate, int milliseconds) {
    SoundEntry e;
    const int bytes = bits / 8;
    e.format = FormatBlock(1, channels, rate, rate * channels * bytes, channels * bytes, bits);
    const long frames = long(rate) * milliseconds / 1000;
    for (long i = 0; i < frames; ++i) {
        const double v = Sine(i, rate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8)
                e.samples.push_back(std::uint8_t(128 + std::lround(v * 127)));
            else
                Put16(e.samples, int(std::lround(v * 32767)));
        }
    }
    return e;
}

SoundEntry ImaAdpcmTone(int rate, int milliseconds) {
    constexpr int kBlockAlign = 256;
    constexpr int kSamplesPerBlock = (kBlockAlign - 4) * 2 + 1;
    SoundEntry e;
    e.format = FormatBlock(0x11, 1, rate, rate * kBlockAlign / kSamplesPerBlock, kBlockAlign, 4);
    Put16(e.format, 2); // extra bytes
    Put16(e.format, kSamplesPerBlock);
    const long total = long(rate) * milliseconds / 1000;
    const long blocks = (total + kSamplesPerBlock - 1) / kSamplesPerBlock;
    int index = 0;
    for (long b = 0; b < blocks; ++b) {
        long i = b * kSamplesPerBlock;
        int predictor = int(std::lround(Sine(i, rate) * 32767));
        Put16(e.samples, predictor);
        e.samples.push_back(std::uint8_t(index));
        e.samples.push_back(0);
        ++i;
        for (int n = 0; n < kBlockAlign - 4; ++n) {
            const int low =
                EncodeNibble(int(std::lround(Sine(i++, rate) * 32767)), predictor, index);
            const int high =
                EncodeNibble(int(std::lround(Sine(i++, rate) * 32767)), predictor, index);
            e.samples.push_back(std::uint8_t(low | (high << 4)));
        }
    }
    return e;
}

SoundEntry MsAdpcmTone(int rate, int milliseconds) {
    constexpr int kBlockAlign = 256;
    constexpr int kSamplesPerBlock = (kBlockAlign - 7) * 2 + 2;
    constexpr int kCoefficients[7][2] = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                         {240, 0}, {460, -208}, {392, -232}};
    constexpr int kAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                     768, 614, 512, 409, 307, 230, 230, 230};
    SoundEntry e;
    e.format = FormatBlock(2, 1, rate, rate * kBlockAlign / kSamplesPerBlock, kBlockAlign, 4);
    Put16(e.format, 32); // extra bytes: samples per block, predictor count, 7 pairs
    Put16(e.format, kSamplesPerBlock);
    Put16(e.format, 7);
    for (const auto& c : kCoefficients) {
        Put16(e.format, c[0]);
        Put16(e.format, c[1]);
    }
    const long total = long(rate) * milliseconds / 1000;
    const long blocks = (total + kSamplesPerBlock - 1) / kSamplesPerBlock;
    auto sample = [rate](long i) { return int(std::lround(Sine(i, rate) * 32767)); };
    for (long b = 0; b < blocks; ++b) {
        long i = b * kSamplesPerBlock;
        // Predictor 1 (512, -256) follows a smooth tone closely.
        int delta = 16;
        int s2 = sample(i++); // the older of the two header samples
        int s1 = sample(i++);
        e.samples.push_back(1);
        Put16(e.samples, delta);
        Put16(e.samples, s1);
        Put16(e.samples, s2);
        auto encode = [&](int target) {
            const int predicted = (s1 * kCoefficients[1][0] + s2 * kCoefficients[1][1]) / 256;
            const int error = target - predicted;
            int nibble = std::clamp(int(std::lround(double(error) / delta)), -8, 7);
            const int decoded = std::clamp(predicted + nibble * delta, -32768, 32767);
            s2 = s1;
            s1 = decoded;
            const int code = nibble & 0x0F;
            delta = std::max(16, kAdaptation[code] * delta / 256);
            return code;
        };
        for (int n = 0; n < kBlockAlign - 7; ++n) {
            const int high = encode(sample(i++));
            const int low = encode(sample(i++));
            e.samples.push_back(std::uint8_t((high << 4) | low));
        }
    }
    return e;
}

bool WriteOggTone(const std::string& fileName, int milliseconds) {
    constexpr int kRate = 22050;
    FILE* out = std::fopen(fileName.c_str(), "wb");
    if (!out)
        return false;
    vorbis_info info;
    vorbis_info_init(&info);
    bool ok = vorbis_encode_init_vbr(&info, 1, kRate, 0.1f) == 0;
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    ogg_page page;
    ogg_packet packet;
    if (ok) {
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, 1);
        ogg_packet header, headerComment, headerCode;
        vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
        ogg_stream_packetin(&stream, &header);
        ogg_stream_packetin(&stream, &headerComment);
        ogg_stream_packetin(&stream, &headerCode);
        while (ogg_stream_flush(&stream, &page) != 0) {
            std::fwrite(page.header, 1, std::size_t(page.header_len), out);
            std::fwrite(page.body, 1, std::size_t(page.body_len), out);
        }
        const long frames = long(kRate) * milliseconds / 1000;
        long written = 0;
        bool eos = false;
        while (!eos) {
            const long n = std::min(1024L, frames - written);
            if (n > 0) {
                float** buffer = vorbis_analysis_buffer(&dsp, int(n));
                for (long i = 0; i < n; ++i)
                    buffer[0][i] = float(Sine(written + i, kRate));
                vorbis_analysis_wrote(&dsp, int(n));
                written += n;
            } else {
                vorbis_analysis_wrote(&dsp, 0);
            }
            while (vorbis_analysis_blockout(&dsp, &block) == 1) {
                vorbis_analysis(&block, nullptr);
                vorbis_bitrate_addblock(&block);
                while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                    ogg_stream_packetin(&stream, &packet);
                    while (!eos && ogg_stream_pageout(&stream, &page) != 0) {
                        std::fwrite(page.header, 1, std::size_t(page.header_len), out);
                        std::fwrite(page.body, 1, std::size_t(page.body_len), out);
                        eos = ogg_page_eos(&page) != 0;
                    }
                }
            }
        }
        ogg_stream_clear(&stream);
        vorbis_block_clear(&block);
        vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(out) == 0 && ok;
}

} // namespace sixdice::media::testing
