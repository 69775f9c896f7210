// Format detection and the sample/stream split of sound creation.
#include "SoundLoader.h"

#include "ContainerCheck.h"
#include "MidiDecoder.h"
#include "SndfileDecoder.h"
#include "SoundFormat.h"

namespace soundlib {

namespace {

constexpr int kDecodeBlockFrames = 4096;

std::unique_ptr<Decoder> openDecoder(const SoundRequest& request, FMOD_RESULT& result,
                                     std::string& problem) {
    const SoundFormat format = detectFormat(request.data, request.size);
    switch (format) {
    case SoundFormat::Wave:
    case SoundFormat::OggVorbis: {
        std::string notice;
        const bool whole = format == SoundFormat::Wave
                               ? checkWaveContainer(request.data, request.size, problem, notice)
                               : checkOggContainer(request.data, request.size, problem);
        auto decoder = whole ? SndfileDecoder::open(request.data, request.size, problem) : nullptr;
        if (decoder == nullptr) {
            result = FMOD_ERR_FORMAT;
            problem = std::string(formatName(format)) + " data: " + problem;
        } else if (!notice.empty()) {
            problem = std::string(formatName(format)) + " data: " + notice;
        }
        return decoder;
    }
    case SoundFormat::Midi:
        return MidiDecoder::open(request.data, request.size, request.bankPath, result, problem);
    case SoundFormat::Unknown:
        break;
    }
    result = FMOD_ERR_FORMAT;
    problem = "data is neither RIFF WAVE, Ogg Vorbis nor a Standard MIDI File";
    return nullptr;
}

FMOD_RESULT decodeWhole(Decoder& decoder, PcmData& pcm, std::string& problem) {
    if (decoder.knownFrames() > static_cast<long long>(kMaxSampleFrames)) {
        problem = "lasts more than ten minutes; create it as a stream";
        return FMOD_ERR_MEMORY;
    }
    pcm.channels = decoder.channels();
    pcm.sampleRate = decoder.sampleRate();
    const std::size_t frameSize = static_cast<std::size_t>(pcm.channels);
    std::size_t frames = 0;
    for (;;) {
        pcm.samples.resize((frames + kDecodeBlockFrames) * frameSize);
        const int got = decoder.read(pcm.samples.data() + frames * frameSize, kDecodeBlockFrames);
        frames += static_cast<std::size_t>(got);
        if (got == 0) {
            break;
        }
        if (frames > kMaxSampleFrames) {
            problem = "lasts more than ten minutes; create it as a stream";
            return FMOD_ERR_MEMORY;
        }
    }
    pcm.samples.resize(frames * frameSize);
    pcm.samples.shrink_to_fit();
    return FMOD_OK;
}

} // namespace

FMOD_RESULT loadSound(System& owner, SoundRequest request, std::unique_ptr<Sound>& sound,
                      std::string& problem) {
    FMOD_RESULT result = FMOD_OK;
    std::unique_ptr<Decoder> decoder = openDecoder(request, result, problem);
    if (decoder == nullptr) {
        return result;
    }
    if (request.stream) {
        sound = std::make_unique<Sound>(owner, std::move(request.ownedBytes), std::move(decoder),
                                        request.loops);
        return FMOD_OK;
    }
    auto pcm = std::make_shared<PcmData>();
    result = decodeWhole(*decoder, *pcm, problem);
    if (result != FMOD_OK) {
        return result;
    }
    sound = std::make_unique<Sound>(owner, std::move(pcm), request.loops);
    return FMOD_OK;
}

} // namespace soundlib
