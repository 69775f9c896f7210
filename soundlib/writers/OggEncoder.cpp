// The usual libvorbisenc loop: headers, then analysis blocks, each flushed
// into Ogg pages that are appended to the output.
#include "OggEncoder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include <vorbis/vorbisenc.h>

namespace {

constexpr long kFramesPerWrite = 1024;

struct VorbisState {
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool analysing = false;

    VorbisState() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~VorbisState() {
        if (analysing) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
};

void appendPage(Bytes& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

void drainBlocks(VorbisState& state, Bytes& out) {
    while (vorbis_analysis_blockout(&state.dsp, &state.block) == 1) {
        vorbis_analysis(&state.block, nullptr);
        vorbis_bitrate_addblock(&state.block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&state.dsp, &packet) == 1) {
            ogg_stream_packetin(&state.stream, &packet);
            ogg_page page;
            while (ogg_stream_pageout(&state.stream, &page) != 0) {
                appendPage(out, page);
            }
        }
    }
}

} // namespace

Bytes encodeOggVorbis(const std::vector<float>& samples, int channels, int sampleRate,
                      float quality) {
    VorbisState state;
    if (vorbis_encode_init_vbr(&state.info, channels, sampleRate, quality) != 0) {
        throw std::runtime_error("Ogg Vorbis encoder refused the sound's format");
    }
    vorbis_comment_add_tag(&state.comment, "ENCODER", "assetbuilder");
    vorbis_analysis_init(&state.dsp, &state.info);
    vorbis_block_init(&state.dsp, &state.block);
    ogg_stream_init(&state.stream, 0x536F756E);
    state.analysing = true;

    Bytes out;
    ogg_packet header, commentHeader, codebooks;
    vorbis_analysis_headerout(&state.dsp, &state.comment, &header, &commentHeader, &codebooks);
    ogg_stream_packetin(&state.stream, &header);
    ogg_stream_packetin(&state.stream, &commentHeader);
    ogg_stream_packetin(&state.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&state.stream, &page) != 0) {
        appendPage(out, page);
    }

    const long frames = static_cast<long>(samples.size()) / channels;
    for (long start = 0; start < frames; start += kFramesPerWrite) {
        const long count = std::min(kFramesPerWrite, frames - start);
        float** buffer = vorbis_analysis_buffer(&state.dsp, static_cast<int>(count));
        for (long i = 0; i < count; ++i) {
            for (int c = 0; c < channels; ++c) {
                buffer[c][i] = samples[static_cast<std::size_t>((start + i) * channels + c)];
            }
        }
        vorbis_analysis_wrote(&state.dsp, static_cast<int>(count));
        drainBlocks(state, out);
    }
    vorbis_analysis_wrote(&state.dsp, 0);
    drainBlocks(state, out);
    while (ogg_stream_flush(&state.stream, &page) != 0) {
        appendPage(out, page);
    }
    return out;
}
