// Walks every chunk and every event of a Standard MIDI File with a
// bounds-checked cursor, collecting the tempo changes and track ends.
#include "MidiFile.h"

#include "ByteCursor.h"

#include <algorithm>
#include <vector>

namespace soundlib {

namespace {

constexpr std::uint32_t kDefaultMicrosPerQuarter = 500000; // 120 beats per minute
// Songs longer than this are taken for corrupt timing data.
constexpr double kMaxSongSeconds = 24.0 * 3600.0;

struct TempoChange {
    std::uint64_t tick;
    std::uint32_t microsPerQuarter;
};

// The channel messages that choose instruments and play notes.
struct ChannelEvent {
    std::uint64_t tick;
    std::uint8_t status;
    std::uint8_t data1;
    std::uint8_t data2;
};

struct TrackScan {
    std::vector<TempoChange>& tempos;
    std::vector<ChannelEvent>& channelEvents;
    std::uint64_t endTick = 0;
};

bool choosesOrPlays(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    switch (status & 0xF0) {
    case 0x90:
        return data2 > 0;
    case 0xB0:
        return data1 == 0;
    case 0xC0:
        return true;
    default:
        return false;
    }
}

constexpr int kDrumChannel = 9;

// Replays the events of all tracks in time order (a format 1 song may set a
// channel's program in one track and play it from another).
std::vector<InstrumentUse> instrumentsPlayed(std::vector<ChannelEvent>& events) {
    std::stable_sort(events.begin(), events.end(),
                     [](const ChannelEvent& a, const ChannelEvent& b) { return a.tick < b.tick; });
    int bank[16] = {};
    int program[16] = {};
    std::vector<InstrumentUse> used;
    for (const ChannelEvent& event : events) {
        const int channel = event.status & 0x0F;
        switch (event.status & 0xF0) {
        case 0xB0:
            bank[channel] = event.data2;
            break;
        case 0xC0:
            program[channel] = event.data1;
            break;
        default:
            used.push_back({channel == kDrumChannel ? kDrumBank : bank[channel], program[channel]});
        }
    }
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    return used;
}

bool readVariableLength(ByteCursor& cursor, std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t byte = cursor.u8();
        value = (value << 7) | (byte & 0x7Fu);
        if ((byte & 0x80u) == 0) {
            return cursor.ok();
        }
    }
    return false;
}

bool scanTrack(ByteCursor cursor, TrackScan& scan, std::string& problem) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!cursor.atEnd()) {
        std::uint32_t delta = 0;
        if (!readVariableLength(cursor, delta)) {
            problem = "bad delta time in a track";
            return false;
        }
        tick += delta;
        std::uint8_t status = cursor.peek();
        if (status & 0x80u) {
            cursor.u8();
        } else if (running != 0) {
            status = running;
        } else {
            problem = "data byte without a status byte in a track";
            return false;
        }
        if (status < 0xF0) {
            running = status;
            const int dataBytes = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            std::uint8_t data[2] = {};
            for (int i = 0; i < dataBytes; ++i) {
                data[i] = cursor.u8();
                if (data[i] & 0x80u) {
                    problem = "status byte where a data byte belongs in a track";
                    return false;
                }
            }
            if (choosesOrPlays(status, data[0], data[1])) {
                scan.channelEvents.push_back({tick, status, data[0], data[1]});
            }
        } else if (status == 0xF0 || status == 0xF7) {
            running = 0;
            std::uint32_t length = 0;
            if (!readVariableLength(cursor, length) || !cursor.skip(length)) {
                problem = "system exclusive message runs past its track";
                return false;
            }
        } else if (status == 0xFF) {
            running = 0;
            const std::uint8_t type = cursor.u8();
            std::uint32_t length = 0;
            if (!readVariableLength(cursor, length) || length > cursor.remaining()) {
                problem = "meta event runs past its track";
                return false;
            }
            if (type == 0x51 && length == 3) {
                const std::uint8_t* bytes = cursor.here();
                const std::uint32_t micros = (static_cast<std::uint32_t>(bytes[0]) << 16) |
                                             (static_cast<std::uint32_t>(bytes[1]) << 8) | bytes[2];
                if (micros == 0) {
                    problem = "tempo of zero";
                    return false;
                }
                scan.tempos.push_back({tick, micros});
            }
            cursor.skip(length);
            if (type == 0x2F) {
                break;
            }
        } else {
            problem = "unexpected status byte in a track";
            return false;
        }
        if (!cursor.ok()) {
            problem = "event runs past its track";
            return false;
        }
    }
    scan.endTick = std::max(scan.endTick, tick);
    return true;
}

double songSeconds(std::vector<TempoChange>& tempos, std::uint64_t endTick,
                   double secondsPerTickAtQuarterMicro, bool smpte) {
    if (smpte) {
        return static_cast<double>(endTick) * secondsPerTickAtQuarterMicro;
    }
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    double seconds = 0.0;
    std::uint64_t tick = 0;
    std::uint32_t micros = kDefaultMicrosPerQuarter;
    for (const TempoChange& change : tempos) {
        if (change.tick >= endTick) {
            break;
        }
        seconds += static_cast<double>(change.tick - tick) * micros * secondsPerTickAtQuarterMicro;
        tick = change.tick;
        micros = change.microsPerQuarter;
    }
    return seconds + static_cast<double>(endTick - tick) * micros * secondsPerTickAtQuarterMicro;
}

} // namespace

bool scanMidiFile(const std::uint8_t* data, std::size_t size, MidiSummary& summary,
                  std::string& problem) {
    ByteCursor cursor(data, size);
    if (!cursor.tag("MThd")) {
        problem = "not a Standard MIDI File";
        return false;
    }
    const std::uint32_t headerLength = cursor.u32be();
    if (headerLength < 6 || headerLength > cursor.remaining()) {
        problem = "MIDI header chunk has a bad length";
        return false;
    }
    summary.format = cursor.u16be();
    const int declaredTracks = cursor.u16be();
    const std::uint16_t division = cursor.u16be();
    cursor.skip(headerLength - 6);
    if (summary.format > 1) {
        problem = "MIDI format " + std::to_string(summary.format) + " is not played";
        return false;
    }
    // Seconds per tick per microsecond of quarter note (metrical timing), or
    // seconds per tick outright (SMPTE timing).
    double tickScale = 0.0;
    const bool smpte = (division & 0x8000u) != 0;
    if (smpte) {
        const int framesPerSecond = -static_cast<std::int8_t>(division >> 8);
        const int ticksPerFrame = division & 0xFF;
        if ((framesPerSecond != 24 && framesPerSecond != 25 && framesPerSecond != 29 &&
             framesPerSecond != 30) ||
            ticksPerFrame == 0) {
            problem = "bad SMPTE time division";
            return false;
        }
        const double rate = framesPerSecond == 29 ? 29.97 : framesPerSecond;
        tickScale = 1.0 / (rate * ticksPerFrame);
    } else {
        if (division == 0) {
            problem = "time division of zero";
            return false;
        }
        tickScale = 1e-6 / division;
    }

    std::vector<TempoChange> tempos;
    std::vector<ChannelEvent> channelEvents;
    TrackScan scan{tempos, channelEvents};
    summary.tracks = 0;
    while (!cursor.atEnd()) {
        const bool isTrack = cursor.tag("MTrk");
        const std::uint32_t length = cursor.u32be();
        if (!cursor.ok() || length > cursor.remaining()) {
            problem = "chunk runs past the end of the data";
            return false;
        }
        if (isTrack) {
            if (!scanTrack(ByteCursor(cursor.here(), length), scan, problem)) {
                return false;
            }
            ++summary.tracks;
        }
        cursor.skip(length);
    }
    if (summary.tracks == 0 || declaredTracks == 0) {
        problem = "MIDI file has no tracks";
        return false;
    }
    summary.seconds = songSeconds(tempos, scan.endTick, tickScale, smpte);
    if (!(summary.seconds <= kMaxSongSeconds)) {
        problem = "song is longer than a day; the timing data is corrupt";
        return false;
    }
    summary.instruments = instrumentsPlayed(channelEvents);
    return true;
}

} // namespace soundlib
