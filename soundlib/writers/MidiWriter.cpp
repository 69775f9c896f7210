// Events are sorted by time (note-offs first at equal times, so repeated
// notes retrigger) and written with delta times; running status is not used.
#include "MidiWriter.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

void putVariableLength(Bytes& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7Fu);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80u));
    }
    out.push_back(groups[0]);
}

void put32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

std::uint8_t data7(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

} // namespace

MidiTrack::MidiTrack(const std::string& name) {
    std::vector<std::uint8_t> meta = {0xFF, 0x03, static_cast<std::uint8_t>(name.size())};
    meta.insert(meta.end(), name.begin(), name.end());
    add(0, 0, meta);
}

void MidiTrack::add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
    events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::tempo(std::uint32_t tick, double beatsPerMinute) {
    const auto micros = static_cast<std::uint32_t>(std::lround(60e6 / beatsPerMinute));
    add(tick, 0,
        {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(micros >> 16),
         static_cast<std::uint8_t>(micros >> 8), static_cast<std::uint8_t>(micros)});
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    add(tick, 0, {0xFF, 0x58, 0x04, data7(numerator), data7(denominatorPower), 24, 8});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program) {
    add(tick, 1, {static_cast<std::uint8_t>(0xC0 | channel), data7(program)});
}

void MidiTrack::controller(std::uint32_t tick, int channel, int number, int value) {
    add(tick, 1, {static_cast<std::uint8_t>(0xB0 | channel), data7(number), data7(value)});
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    add(tick, 3, {static_cast<std::uint8_t>(0x90 | channel), data7(key), data7(velocity)});
    add(tick + length, 2, {static_cast<std::uint8_t>(0x80 | channel), data7(key), 0});
}

Bytes encodeMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter) {
    Bytes out = {'M', 'T', 'h', 'd'};
    put32(out, 6);
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(tracks.size()));
    put16(out, static_cast<std::uint32_t>(ticksPerQuarter));
    for (const MidiTrack& track : tracks) {
        std::vector<MidiTrack::Event> events = track.events_;
        std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        if (!events.empty() && events.back().tick > track.endTick_) {
            throw std::logic_error("MIDI track ends before its last event");
        }
        Bytes body;
        std::uint32_t now = 0;
        for (const auto& event : events) {
            putVariableLength(body, event.tick - now);
            body.insert(body.end(), event.bytes.begin(), event.bytes.end());
            now = event.tick;
        }
        putVariableLength(body, track.endTick_ - now);
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        put32(out, static_cast<std::uint32_t>(body.size()));
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}
