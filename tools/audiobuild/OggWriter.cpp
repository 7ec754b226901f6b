// OGG Vorbis encoding with libvorbisenc.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/OggWriter.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vorbis/vorbisenc.h>

namespace sixdice::audio {

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool WritePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) ==
               static_cast<std::size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) ==
               static_cast<std::size_t>(page.body_len);
}
} // namespace

std::optional<std::string> WriteOggVorbis(const std::string& path, const Stereo& audio, int rate,
                                          double quality, const std::string& title) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        return "cannot write " + path;
    }
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, rate, static_cast<float>(quality)) != 0) {
        vorbis_info_clear(&info);
        return "the Vorbis encoder refused its settings";
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", title.c_str());
    vorbis_comment_add_tag(&comment, "ENCODER", "sixdice_audiobuild");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x53697844); // any serial number serves for a single stream
    bool ok = true;
    {
        ogg_packet header, commentPacket, codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
        ogg_stream_packetin(&stream, &header);
        ogg_stream_packetin(&stream, &commentPacket);
        ogg_stream_packetin(&stream, &codebooks);
        ogg_page page;
        while (ok && ogg_stream_flush(&stream, &page) != 0) {
            ok = WritePage(file.get(), page);
        }
    }
    constexpr std::size_t kChunk = 4096;
    std::size_t pos = 0;
    bool finished = false;
    bool ended = false;
    while (ok && !finished && !ended) {
        const std::size_t n = std::min(kChunk, audio.size() - pos);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0); // end of stream
            ended = true;
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            std::copy_n(audio.left.begin() + static_cast<long>(pos), n, buffer[0]);
            std::copy_n(audio.right.begin() + static_cast<long>(pos), n, buffer[1]);
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            pos += n;
        }
        while (ok && vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (ok && vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                ogg_page page;
                while (ok && ogg_stream_pageout(&stream, &page) != 0) {
                    ok = WritePage(file.get(), page);
                    if (ogg_page_eos(&page)) {
                        finished = true;
                    }
                }
            }
        }
    }
    ogg_page last;
    while (ok && ogg_stream_flush(&stream, &last) != 0) {
        ok = WritePage(file.get(), last);
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    if (!ok) {
        return "cannot write " + path;
    }
    return std::nullopt;
}

} // namespace sixdice::audio
