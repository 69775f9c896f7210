// Standard MIDI Files (format 1) from lists of timed events.
#pragma once

#include "SoundBytes.h"

#include <cstdint>
#include <string>
#include <vector>

class MidiTrack {
  public:
    explicit MidiTrack(const std::string& name);
    void tempo(std::uint32_t tick, double beatsPerMinute);
    void timeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    void program(std::uint32_t tick, int channel, int program);
    void controller(std::uint32_t tick, int channel, int number, int value);
    // A note from `tick` lasting `length` ticks.
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    // The track ends at `tick`, which must not be before its last event.
    void end(std::uint32_t tick) { endTick_ = tick; }

  private:
    friend Bytes encodeMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter);
    struct Event {
        std::uint32_t tick;
        int order; // note-offs before note-ons at the same tick
        std::vector<std::uint8_t> bytes;
    };
    void add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes);
    std::vector<Event> events_;
    std::uint32_t endTick_ = 0;
};

Bytes encodeMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter);
