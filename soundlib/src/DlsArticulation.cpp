// DLS connection blocks as SoundFont generators. The two formats share their
// units (absolute timecents, absolute pitch cents, centibels, tenths of a
// percent), so most connections carry over as they are. Three need
// converting:
// - sustain: DLS gives the level in tenths of a percent of the envelope's
//   96 dB range, a SoundFont the fall from full level, so 1000 - level;
// - key-number scaling: DLS scales by key / 128 over the whole keyboard, a
//   SoundFont by (60 - key) per key, unchanged at key 60; the time at key 60
//   moves into the base time;
// - gain: DLS gain is negative when quieter, a SoundFont's attenuation
//   positive.
#include "DlsArticulation.h"

#include <cmath>

namespace soundlib {

namespace {

// DLS sources and destinations (Level 1 and 2).
enum : std::uint16_t {
    kSrcNone = 0x0000,
    kSrcLfo = 0x0001,
    kSrcVelocity = 0x0002,
    kSrcKeyNumber = 0x0003,
    kSrcEg2 = 0x0005,
    kSrcPolyPressure = 0x0007,
    kSrcChannelPressure = 0x0008,
    kSrcVibrato = 0x0009,
    kSrcFirstController = 0x0080,
    kSrcLastController = 0x00FF,

    kDstGain = 0x0001,
    kDstPitch = 0x0003,
    kDstPan = 0x0004,
    kDstChorus = 0x0080,
    kDstReverb = 0x0081,
    kDstLfoFrequency = 0x0104,
    kDstLfoDelay = 0x0105,
    kDstVibFrequency = 0x0114,
    kDstVibDelay = 0x0115,
    kDstEg1Attack = 0x0206,
    kDstEg1Decay = 0x0207,
    kDstEg1Release = 0x0209,
    kDstEg1Sustain = 0x020A,
    kDstEg1Delay = 0x020B,
    kDstEg1Hold = 0x020C,
    kDstEg2Attack = 0x030A,
    kDstEg2Decay = 0x030B,
    kDstEg2Release = 0x030D,
    kDstEg2Sustain = 0x030E,
    kDstEg2Delay = 0x030F,
    kDstEg2Hold = 0x0310,
    kDstFilterCutoff = 0x0500,
    kDstFilterQ = 0x0501,
};

constexpr std::int32_t kZeroTime = INT32_MIN;
constexpr double kShortestTime = -32768.0;
constexpr double kDefaultTime = -12000.0;
constexpr std::uint16_t kConcave = 1;
// SoundFont modulator source bits.
constexpr std::uint16_t kModController = 0x0080;
constexpr std::uint16_t kModConcave = 0x0400;

// The generator a destination sets on its own; 0 when it has none.
std::uint16_t staticGenerator(std::uint16_t destination) {
    switch (destination) {
    case kDstPan:
        return kGenPan;
    case kDstChorus:
        return kGenChorusSend;
    case kDstReverb:
        return kGenReverbSend;
    case kDstLfoFrequency:
        return kGenModLfoFrequency;
    case kDstLfoDelay:
        return kGenModLfoDelay;
    case kDstVibFrequency:
        return kGenVibLfoFrequency;
    case kDstVibDelay:
        return kGenVibLfoDelay;
    case kDstEg1Attack:
        return kGenVolEnvAttack;
    case kDstEg1Decay:
        return kGenVolEnvDecay;
    case kDstEg1Release:
        return kGenVolEnvRelease;
    case kDstEg1Sustain:
        return kGenVolEnvSustain;
    case kDstEg1Delay:
        return kGenVolEnvDelay;
    case kDstEg1Hold:
        return kGenVolEnvHold;
    case kDstEg2Attack:
        return kGenModEnvAttack;
    case kDstEg2Decay:
        return kGenModEnvDecay;
    case kDstEg2Release:
        return kGenModEnvRelease;
    case kDstEg2Sustain:
        return kGenModEnvSustain;
    case kDstEg2Delay:
        return kGenModEnvDelay;
    case kDstEg2Hold:
        return kGenModEnvHold;
    case kDstFilterCutoff:
        return kGenFilterCutoff;
    case kDstFilterQ:
        return kGenFilterQ;
    default:
        return 0;
    }
}

// The depth generator of an LFO or envelope driving a destination.
std::uint16_t depthGenerator(std::uint16_t source, std::uint16_t destination) {
    if (source == kSrcLfo) {
        return destination == kDstPitch          ? kGenModLfoToPitch
               : destination == kDstGain         ? kGenModLfoToVolume
               : destination == kDstFilterCutoff ? kGenModLfoToFilter
                                                 : 0;
    }
    if (source == kSrcVibrato) {
        return destination == kDstPitch ? kGenVibLfoToPitch : 0;
    }
    if (source == kSrcEg2) {
        return destination == kDstPitch          ? kGenModEnvToPitch
               : destination == kDstFilterCutoff ? kGenModEnvToFilter
                                                 : 0;
    }
    return 0;
}

// The SoundFont modulator source for a DLS controller-like source; 0 when
// there is none.
std::uint16_t modulatorSource(std::uint16_t source, std::uint16_t transform) {
    std::uint16_t index = 0;
    if (source == kSrcVelocity) {
        index = 2;
    } else if (source == kSrcKeyNumber) {
        index = 3;
    } else if (source == kSrcPolyPressure) {
        index = 10;
    } else if (source == kSrcChannelPressure) {
        index = 13;
    } else if (source >= kSrcFirstController && source <= kSrcLastController) {
        index = static_cast<std::uint16_t>(kModController | (source & 0x7F));
    } else {
        return 0;
    }
    return static_cast<std::uint16_t>(index | ((transform & 0xF) == kConcave ? kModConcave : 0));
}

std::int16_t clampAmount(double value) {
    return static_cast<std::int16_t>(std::lround(std::fmax(-32768.0, std::fmin(32767.0, value))));
}

// Key-number scaling of an envelope's hold or decay, as described above.
bool scaleByKey(std::uint16_t destination, double scale, Sf2ZoneSettings& zone) {
    std::uint16_t base = 0;
    std::uint16_t perKey = 0;
    if (destination == kDstEg1Decay) {
        base = kGenVolEnvDecay;
        perKey = kGenKeyToVolEnvDecay;
    } else if (destination == kDstEg1Hold) {
        base = kGenVolEnvHold;
        perKey = kGenKeyToVolEnvHold;
    } else if (destination == kDstEg2Decay) {
        base = kGenModEnvDecay;
        perKey = kGenKeyToModEnvDecay;
    } else if (destination == kDstEg2Hold) {
        base = kGenModEnvHold;
        perKey = kGenKeyToModEnvHold;
    } else {
        return false;
    }
    zone.generators[perKey] = -scale / 128.0;
    zone.keyShift[base] += scale * 60.0 / 128.0;
    return true;
}

void setStatic(const DlsConnection& c, double value, Sf2ZoneSettings& zone) {
    if (c.destination == kDstGain) {
        zone.attenuation -= value;
        return;
    }
    if (c.destination == kDstPitch) {
        zone.tuneCents += value;
        return;
    }
    const std::uint16_t generator = staticGenerator(c.destination);
    if (generator == 0) {
        return;
    }
    if (isTimeGenerator(generator) && c.scale == kZeroTime) {
        value = kShortestTime;
    }
    if (generator == kGenVolEnvSustain || generator == kGenModEnvSustain) {
        value = 1000.0 - value;
    }
    zone.generators[generator] = value;
}

} // namespace

void articulate(const std::vector<DlsConnection>& connections, Sf2ZoneSettings& zone) {
    for (const DlsConnection& c : connections) {
        const double value = c.scale / 65536.0;
        if (c.source == kSrcNone && c.control == kSrcNone) {
            setStatic(c, value, zone);
            continue;
        }
        if (c.source == kSrcKeyNumber && c.control == kSrcNone) {
            if (c.destination == kDstPitch) {
                zone.generators[kGenScaleTuning] = value / 128.0;
                continue;
            }
            if (scaleByKey(c.destination, value, zone)) {
                continue;
            }
        }
        const std::uint16_t depth = depthGenerator(c.source, c.destination);
        if (depth != 0 && c.control == kSrcNone) {
            zone.generators[depth] = value;
            continue;
        }
        if (depth != 0) {
            // An LFO or envelope depth under a controller (the mod wheel's
            // vibrato): the controller drives the depth generator.
            const std::uint16_t source = modulatorSource(c.control, c.transform >> 4);
            if (source != 0) {
                zone.modulators.push_back({source, depth, clampAmount(value)});
            }
            continue;
        }
        if (c.control != kSrcNone || (c.source == kSrcVelocity && c.destination == kDstGain)) {
            continue;
        }
        const std::uint16_t generator = staticGenerator(c.destination);
        const std::uint16_t source = modulatorSource(c.source, c.transform);
        if (generator != 0 && source != 0 && c.destination != kDstPan) {
            zone.modulators.push_back({source, generator, clampAmount(value)});
        }
    }
    // Times without a base of their own scale FluidSynth's default one.
    for (const auto& [generator, shift] : zone.keyShift) {
        const auto base = zone.generators.find(generator);
        zone.generators[generator] =
            (base == zone.generators.end() ? kDefaultTime : base->second) + shift;
    }
    zone.keyShift.clear();
}

bool isTimeGenerator(std::uint16_t generator) {
    switch (generator) {
    case kGenModLfoDelay:
    case kGenVibLfoDelay:
    case kGenModEnvDelay:
    case kGenModEnvAttack:
    case kGenModEnvHold:
    case kGenModEnvDecay:
    case kGenModEnvRelease:
    case kGenVolEnvDelay:
    case kGenVolEnvAttack:
    case kGenVolEnvHold:
    case kGenVolEnvDecay:
    case kGenVolEnvRelease:
        return true;
    default:
        return false;
    }
}

} // namespace soundlib
