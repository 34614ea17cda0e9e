// SPDX-License-Identifier: GPL-3.0-or-later
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "Writers.h"

namespace soundgen {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

class Encoder {
public:
    explicit Encoder(float quality)
    {
        vorbis_info_init(&info_);
        if (vorbis_encode_init_vbr(&info_, 2, SampleRate, quality) != 0)
            throw std::runtime_error("vorbis encoder refused its settings");
        vorbis_comment_init(&comment_);
        vorbis_comment_add_tag(&comment_, "ENCODER", "zorbil soundgen");
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, 0x5a6f7262);
    }
    ~Encoder()
    {
        ogg_stream_clear(&stream_);
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    void Encode(const Stereo& sound, std::FILE* file)
    {
        ogg_packet header, commentHeader, codeHeader;
        vorbis_analysis_headerout(&dsp_, &comment_, &header, &commentHeader, &codeHeader);
        ogg_stream_packetin(&stream_, &header);
        ogg_stream_packetin(&stream_, &commentHeader);
        ogg_stream_packetin(&stream_, &codeHeader);
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page))
            WritePage(page, file);

        constexpr std::size_t Chunk = 4096;
        for (std::size_t at = 0; at < sound.Frames(); at += Chunk) {
            const std::size_t count = std::min(Chunk, sound.Frames() - at);
            float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(count));
            std::copy_n(sound.left.begin() + at, count, buffer[0]);
            std::copy_n(sound.right.begin() + at, count, buffer[1]);
            vorbis_analysis_wrote(&dsp_, static_cast<int>(count));
            Drain(file);
        }
        vorbis_analysis_wrote(&dsp_, 0);
        Drain(file);
        while (ogg_stream_flush(&stream_, &page))
            WritePage(page, file);
    }

private:
    void Drain(std::FILE* file)
    {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            while (vorbis_bitrate_flushpacket(&dsp_, &packet)) {
                ogg_stream_packetin(&stream_, &packet);
                while (ogg_stream_pageout(&stream_, &page))
                    WritePage(page, file);
            }
        }
    }

    static void WritePage(const ogg_page& page, std::FILE* file)
    {
        if (std::fwrite(page.header, 1, page.header_len, file) != std::size_t(page.header_len) ||
            std::fwrite(page.body, 1, page.body_len, file) != std::size_t(page.body_len))
            throw std::runtime_error("cannot write the Ogg stream");
    }

    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    ogg_stream_state stream_;
};

}  // namespace

void WriteOgg(const std::string& path, const Stereo& sound, float quality)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw std::runtime_error("cannot create " + path);
    Encoder(quality).Encode(sound, file.get());
    if (std::fflush(file.get()) != 0)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace soundgen
