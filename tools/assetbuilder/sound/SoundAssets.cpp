// Renders and encodes each sound file and hands it to the sink.
#include "SoundAssets.h"

#include "DlsWriter.h"
#include "GmBank.h"
#include "LoopMusic.h"
#include "MetalSong.h"
#include "OggEncoder.h"
#include "WavWriter.h"
#include "Yell.h"

namespace {
// Vorbis quality for music: about 100 kbit/s for these pieces.
constexpr float kMusicQuality = 0.3f;
} // namespace

void buildSounds(AssetSink& sink) {
    sink.addToArchive("soPLAYdieYell.wav",
                      encodeWav(synthesizeYell(), 1, kYellRate, WavSampleFormat::Pcm16));
    sink.addToArchive("track003.ogg",
                      encodeOggVorbis(renderTrack003(), 2, kMusicRate, kMusicQuality));
    sink.addToArchive("muIntro.ogg",
                      encodeOggVorbis(renderMuIntro(), 2, kMusicRate, kMusicQuality));
    sink.addToArchive("soMusMetal.mid", composeMetalSong());
    sink.addToRunDirectory("gm.dls", encodeDlsBank("Morr General MIDI", generalMidiInstruments()));
}
