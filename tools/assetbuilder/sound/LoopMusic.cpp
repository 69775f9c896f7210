// Notes of four timbres (pad, pluck, bass, bell), each rendered into a loop
// buffer; every sample lands at its time modulo the loop length.
#include "LoopMusic.h"

#include "Synthesis.h"

#include <algorithm>
#include <cmath>

namespace {

enum class Timbre { Pad, Pluck, Bass, Bell };

struct Note {
    double beat;
    double beats;
    int key;
    float level;
    Timbre timbre;
    float pan; // -1 left .. 1 right
};

struct Piece {
    double beatsPerMinute;
    int bars;
    std::vector<Note> notes;
};

double releaseOf(Timbre timbre) {
    switch (timbre) {
    case Timbre::Pad:
        return 0.8;
    case Timbre::Pluck:
        return 0.6;
    case Timbre::Bass:
        return 0.08;
    case Timbre::Bell:
        break;
    }
    return 1.5;
}

// One sample of a note `t` seconds after it started, `held` seconds long.
double voice(Timbre timbre, double hz, double t, double held) {
    const double release = releaseOf(timbre);
    const double gate = t < held ? 1.0 : std::max(0.0, 1.0 - (t - held) / release);
    switch (timbre) {
    case Timbre::Pad: {
        double sum = 0.0;
        for (int n = 1; n <= 6; ++n) {
            sum +=
                (std::sin(kTwoPi * n * hz * 1.003 * t) + std::sin(kTwoPi * n * hz * 0.997 * t)) / n;
        }
        return 0.12 * sum * std::min(1.0, t / 0.4) * gate;
    }
    case Timbre::Pluck: {
        double sum = 0.0;
        for (int n = 1; n <= 10; ++n) {
            sum += std::sin(kTwoPi * n * hz * t) / n * std::exp(-t * (3.0 + 1.5 * n));
        }
        return 0.35 * sum * std::min(1.0, t / 0.002) * gate;
    }
    case Timbre::Bass: {
        const double x = std::sin(kTwoPi * hz * t) + 0.3 * std::sin(kTwoPi * 2 * hz * t);
        return 0.4 * x * std::min(1.0, t / 0.01) * gate;
    }
    case Timbre::Bell:
        break;
    }
    static const double partials[] = {1.0, 2.76, 5.4, 8.93};
    double sum = 0.0;
    for (int p = 0; p < 4; ++p) {
        sum += std::sin(kTwoPi * partials[p] * hz * t) * std::exp(-t * (1.2 + 2.0 * p)) / (p + 1);
    }
    return 0.3 * sum * std::min(1.0, t / 0.003) * gate;
}

std::vector<float> render(const Piece& piece) {
    const double secondsPerBeat = 60.0 / piece.beatsPerMinute;
    const std::size_t frames =
        static_cast<std::size_t>(std::lround(piece.bars * 4 * secondsPerBeat * kMusicRate));
    std::vector<float> out(2 * frames, 0.0f);
    for (const Note& note : piece.notes) {
        const double hz = noteHz(note.key);
        const double held = note.beats * secondsPerBeat;
        const double length = held + releaseOf(note.timbre);
        const std::size_t start = static_cast<std::size_t>(note.beat * secondsPerBeat * kMusicRate);
        const double angle = (note.pan + 1.0) * M_PI / 4.0;
        const double left = std::cos(angle) * note.level;
        const double right = std::sin(angle) * note.level;
        const std::size_t count = static_cast<std::size_t>(length * kMusicRate);
        for (std::size_t i = 0; i < count; ++i) {
            const double s = voice(note.timbre, hz, static_cast<double>(i) / kMusicRate, held);
            const std::size_t at = (start + i) % frames;
            out[2 * at] += static_cast<float>(s * left);
            out[2 * at + 1] += static_cast<float>(s * right);
        }
    }
    float peak = 1e-6f;
    for (float s : out) {
        peak = std::max(peak, std::fabs(s));
    }
    for (float& s : out) {
        s *= 0.8f / peak;
    }
    return out;
}

// A chord per bar: pad on the chord, bass on the root.
void chords(Piece& piece, const std::vector<std::vector<int>>& bars, double bassBeats) {
    for (std::size_t bar = 0; bar < bars.size(); ++bar) {
        const double start = 4.0 * static_cast<double>(bar);
        for (int key : bars[bar]) {
            piece.notes.push_back({start, 4.0, key, 0.5f, Timbre::Pad, 0.0f});
        }
        for (double beat = 0.0; beat < 4.0; beat += bassBeats) {
            piece.notes.push_back(
                {start + beat, bassBeats * 0.8, bars[bar][0] - 12, 0.8f, Timbre::Bass, 0.0f});
        }
    }
}

} // namespace

std::vector<float> renderMuIntro() {
    Piece piece{120.0, 4, {}};
    const std::vector<std::vector<int>> bars = {
        {57, 60, 64}, {53, 57, 60}, {48, 55, 64}, {55, 59, 62}};
    chords(piece, bars, 1.0);
    for (std::size_t bar = 0; bar < bars.size(); ++bar) {
        for (int step = 0; step < 8; ++step) {
            const int key =
                bars[bar][static_cast<std::size_t>(step % 3)] + 12 + (step >= 6 ? 12 : 0);
            piece.notes.push_back({4.0 * static_cast<double>(bar) + 0.5 * step, 0.4, key, 0.45f,
                                   Timbre::Pluck, step % 2 ? 0.4f : -0.4f});
        }
    }
    return render(piece);
}

std::vector<float> renderTrack003() {
    Piece piece{96.0, 4, {}};
    chords(piece, {{50, 53, 57}, {46, 50, 53}, {43, 46, 50}, {45, 49, 52}}, 2.0);
    const Note melody[] = {
        {0.0, 1.5, 74, 0.5f, Timbre::Bell, 0.3f},   {1.5, 0.5, 77, 0.4f, Timbre::Bell, 0.3f},
        {2.0, 2.0, 81, 0.5f, Timbre::Bell, 0.3f},   {4.0, 1.5, 77, 0.5f, Timbre::Bell, -0.3f},
        {5.5, 0.5, 74, 0.4f, Timbre::Bell, -0.3f},  {6.0, 2.0, 70, 0.5f, Timbre::Bell, -0.3f},
        {8.0, 2.0, 74, 0.5f, Timbre::Bell, 0.3f},   {10.0, 2.0, 79, 0.5f, Timbre::Bell, 0.3f},
        {12.0, 1.0, 76, 0.5f, Timbre::Bell, -0.3f}, {13.0, 1.0, 73, 0.4f, Timbre::Bell, -0.3f},
        {14.0, 2.0, 69, 0.5f, Timbre::Bell, 0.0f},
    };
    piece.notes.insert(piece.notes.end(), std::begin(melody), std::end(melody));
    return render(piece);
}
