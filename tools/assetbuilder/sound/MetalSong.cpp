// The song: eight bars of a galloping E-minor riff, then eight bars of
// power chords under a sawtooth lead, with drums throughout. Every note ends
// before the last bar line, where each track ends, so the song loops on the
// beat.
#include "MetalSong.h"

#include "MidiWriter.h"

#include <array>

namespace {

constexpr std::uint32_t kTicksPerQuarter = 480;
constexpr std::uint32_t kEighth = kTicksPerQuarter / 2;
constexpr std::uint32_t kBar = 4 * kTicksPerQuarter;
constexpr std::uint32_t kSongEnd = metal::kBars * kBar;

constexpr int kGuitarChannel = 0;
constexpr int kBassChannel = 1;
constexpr int kLeadChannel = 2;
constexpr int kDrumChannel = 9;

constexpr int kLowE = 40; // E2, the guitar's open low string

// Riff of the first half, two bars of eighths as semitones above low E.
constexpr std::array<int, 16> kRiff = {0, 0, 3, 0, 0, 5, 3, 0, 0, 0, 3, 0, 7, 6, 5, 3};
// Chord roots of the second half, one a bar, above low E.
constexpr std::array<int, 8> kChords = {8, 10, 0, 0, 8, 10, 7, 7};

struct LeadNote {
    double beat; // from the start of the second half
    double beats;
    int key;
};

constexpr LeadNote kLeadLine[] = {
    {0, 2, 67},    {2, 1, 64},       {3, 1, 67},    {4, 2, 69},      {6, 1, 71},    {7, 1, 69},
    {8, 3, 71},    {11, 1, 67},      {12, 4, 64},   {16, 2, 72},     {18, 1, 71},   {19, 1, 69},
    {20, 2, 74},   {22, 1, 72},      {23, 1, 71},   {24, 2, 71},     {26, 1, 69},   {27, 1, 66},
    {28, 1, 71},   {28.5, 0.5, 74},  {29, 0.5, 76}, {29.5, 0.5, 74}, {30, 0.5, 71}, {30.5, 0.5, 69},
    {31, 0.5, 71}, {31.5, 0.25, 64},
};

std::uint32_t ticks(double beats) {
    return static_cast<std::uint32_t>(beats * kTicksPerQuarter);
}

void powerChord(MidiTrack& guitar, MidiTrack& bass, std::uint32_t tick, int root, int velocity) {
    const std::uint32_t length = kEighth - 40; // palm-muted, detached
    for (int interval : {0, 7, 12}) {
        guitar.note(tick, length, kGuitarChannel, kLowE + root + interval, velocity);
    }
    bass.note(tick, length, kBassChannel, kLowE - 12 + root, velocity);
}

void setUpChannel(MidiTrack& track, int channel, int program, int volume, int pan) {
    track.program(0, channel, program);
    track.controller(0, channel, 7, volume);
    track.controller(0, channel, 10, pan);
}

void strings(MidiTrack& guitar, MidiTrack& bass) {
    for (std::uint32_t bar = 0; bar < metal::kBars; ++bar) {
        for (std::uint32_t eighth = 0; eighth < 8; ++eighth) {
            const std::uint32_t tick = bar * kBar + eighth * kEighth;
            const bool firstHalf = bar < metal::kBars / 2;
            const int root = firstHalf ? kRiff[(bar % 2) * 8 + eighth] : kChords[bar - 8];
            const int velocity = eighth % 2 == 0 ? 112 : 92;
            powerChord(guitar, bass, tick, root, velocity);
        }
    }
}

void lead(MidiTrack& track) {
    const std::uint32_t start = (metal::kBars / 2) * kBar;
    for (const LeadNote& note : kLeadLine) {
        track.note(start + ticks(note.beat), ticks(note.beats) - 30, kLeadChannel, note.key, 96);
    }
}

void drums(MidiTrack& track) {
    const std::uint32_t hit = kEighth - 20;
    for (std::uint32_t bar = 0; bar < metal::kBars; ++bar) {
        const std::uint32_t barStart = bar * kBar;
        const bool doubleKick = bar >= metal::kBars / 2;
        if (bar % 8 == 0) {
            track.note(barStart, kBar - 20, kDrumChannel, metal::kCrash, 110);
        }
        for (std::uint32_t eighth = 0; eighth < 8; ++eighth) {
            const std::uint32_t tick = barStart + eighth * kEighth;
            if (!(bar % 8 == 0 && eighth == 0)) {
                track.note(tick, hit, kDrumChannel, metal::kClosedHat, eighth % 2 ? 60 : 80);
            }
            if (eighth == 2 || eighth == 6) {
                track.note(tick, hit, kDrumChannel, metal::kSnare, 110);
            } else if (doubleKick || eighth == 0 || eighth == 3 || eighth == 4) {
                track.note(tick, hit, kDrumChannel, metal::kKick, 115);
            }
        }
    }
}

} // namespace

Bytes composeMetalSong() {
    MidiTrack conductor("soMusMetal");
    conductor.tempo(0, metal::kBeatsPerMinute);
    conductor.timeSignature(0, 4, 2);

    MidiTrack guitar("Rhythm guitar");
    MidiTrack bass("Bass");
    MidiTrack leadTrack("Lead");
    MidiTrack drumTrack("Drums");
    setUpChannel(guitar, kGuitarChannel, metal::kRhythmGuitar, 100, 40);
    setUpChannel(bass, kBassChannel, metal::kBass, 112, 64);
    setUpChannel(leadTrack, kLeadChannel, metal::kLead, 92, 88);
    drumTrack.controller(0, kDrumChannel, 7, 110);
    strings(guitar, bass);
    lead(leadTrack);
    drums(drumTrack);

    std::vector<MidiTrack> tracks = {conductor, guitar, bass, leadTrack, drumTrack};
    for (MidiTrack& track : tracks) {
        track.end(kSongEnd);
    }
    return encodeMidiFile(tracks, kTicksPerQuarter);
}
