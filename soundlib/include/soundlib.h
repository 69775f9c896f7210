/*
 * soundlib: the sound library our engine links against. A plain C function
 * interface under the FMOD_* names the engine's audio code calls: a system
 * that mixes every playing channel into SDL's audio device (or into nothing),
 * sounds decoded from memory (RIFF WAVE, Ogg Vorbis, Standard MIDI Files
 * rendered with a DLS bank), and channels with loop count, pause, pan and
 * volume.
 *
 * Every call returns an FMOD_RESULT. Calls are made from one thread (the
 * engine's main thread); the library mixes on SDL's audio thread.
 */
#ifndef SOUNDLIB_H
#define SOUNDLIB_H

#ifdef __cplusplus
extern "C" {
#endif

/* 4.33.02: the version our engine checks for. */
#define FMOD_VERSION 0x00043302u

typedef struct FMOD_SYSTEM FMOD_SYSTEM;
typedef struct FMOD_SOUND FMOD_SOUND;
/* A channel handle is not a pointer to memory: it encodes the system, the
 * channel slot and the slot's generation. Calls on a handle whose slot has
 * since been given to another sound fail with FMOD_ERR_CHANNEL_STOLEN, and
 * no call ever dereferences it. */
typedef struct FMOD_CHANNEL FMOD_CHANNEL;

typedef int FMOD_BOOL;
typedef unsigned int FMOD_MODE;
typedef unsigned int FMOD_CAPS;
typedef unsigned int FMOD_INITFLAGS;

typedef enum FMOD_RESULT {
    FMOD_OK = 0,
    /* A pointer argument is null, or a value is out of its range. */
    FMOD_ERR_INVALID_PARAM = 1,
    /* A null or never-issued system, sound or channel handle. */
    FMOD_ERR_INVALID_HANDLE = 2,
    /* The channel of this handle has been reused for another sound. */
    FMOD_ERR_CHANNEL_STOLEN = 3,
    /* The call needs FMOD_System_Init first. */
    FMOD_ERR_UNINITIALIZED = 4,
    /* The call is only allowed before FMOD_System_Init. */
    FMOD_ERR_INITIALIZED = 5,
    /* The output cannot make the chosen speaker mode; choose stereo or mono
     * and call FMOD_System_Init again. */
    FMOD_ERR_OUTPUT_CREATEBUFFER = 6,
    /* SDL could not open its audio device. */
    FMOD_ERR_OUTPUT_INIT = 7,
    /* The audio device went away while the system was running (SDL's audio
     * subsystem was shut down underneath it). */
    FMOD_ERR_OUTPUT_DRIVERCALL = 8,
    /* The data is not a format we decode, or is malformed. */
    FMOD_ERR_FORMAT = 9,
    /* A file (the DLS bank, or a sound given by path) could not be found. */
    FMOD_ERR_FILE_NOTFOUND = 10,
    /* A file exists but could not be read or is not what it should be. */
    FMOD_ERR_FILE_BAD = 11,
    /* The decoded sound would be larger than a sample may be. */
    FMOD_ERR_MEMORY = 12,
    /* FMOD_System_Init was asked for fewer than 1 or more than 4096 channels. */
    FMOD_ERR_TOOMANYCHANNELS = 13,
    /* A driver index outside 0 .. number of drivers - 1. */
    FMOD_ERR_INVALID_DRIVER = 14
} FMOD_RESULT;

typedef enum FMOD_OUTPUTTYPE {
    /* The default: SDL's audio device, through whatever driver SDL picks
     * (SDL_AUDIODRIVER is honoured, e.g. "disk" with SDL_DISKAUDIOFILE). */
    FMOD_OUTPUTTYPE_AUTODETECT = 0,
    /* No device: every channel still advances, by the time that passes on the
     * system's clock between FMOD_System_Update calls. */
    FMOD_OUTPUTTYPE_NOSOUND = 1,
    /* SDL's audio device, chosen explicitly. */
    FMOD_OUTPUTTYPE_SDL = 2
} FMOD_OUTPUTTYPE;

/* Only MONO and STEREO can be made; any other mode makes FMOD_System_Init
 * return FMOD_ERR_OUTPUT_CREATEBUFFER. Drivers report STEREO. */
typedef enum FMOD_SPEAKERMODE {
    FMOD_SPEAKERMODE_RAW = 0,
    FMOD_SPEAKERMODE_MONO = 1,
    FMOD_SPEAKERMODE_STEREO = 2,
    FMOD_SPEAKERMODE_QUAD = 3,
    FMOD_SPEAKERMODE_SURROUND = 4,
    FMOD_SPEAKERMODE_5POINT1 = 5,
    FMOD_SPEAKERMODE_7POINT1 = 6
} FMOD_SPEAKERMODE;

/* Mixing is always done in 32-bit float; the device is fed 16-bit signed
 * samples (SDL 1.2 has no float format). PCM16 and PCMFLOAT are accepted by
 * FMOD_System_SetSoftwareFormat, the others are FMOD_ERR_INVALID_PARAM. */
typedef enum FMOD_SOUND_FORMAT {
    FMOD_SOUND_FORMAT_NONE = 0,
    FMOD_SOUND_FORMAT_PCM8 = 1,
    FMOD_SOUND_FORMAT_PCM16 = 2,
    FMOD_SOUND_FORMAT_PCM24 = 3,
    FMOD_SOUND_FORMAT_PCM32 = 4,
    FMOD_SOUND_FORMAT_PCMFLOAT = 5
} FMOD_SOUND_FORMAT;

/* Every channel is resampled to the mix rate by linear interpolation,
 * whichever method is asked for. */
typedef enum FMOD_DSP_RESAMPLER {
    FMOD_DSP_RESAMPLER_NOINTERP = 0,
    FMOD_DSP_RESAMPLER_LINEAR = 1,
    FMOD_DSP_RESAMPLER_CUBIC = 2,
    FMOD_DSP_RESAMPLER_SPLINE = 3
} FMOD_DSP_RESAMPLER;

/* FMOD_CHANNEL_FREE picks the free channel with the lowest index. When every
 * channel is busy (playing or paused), the channel started longest ago is
 * stopped and reused; its old handle then answers FMOD_ERR_CHANNEL_STOLEN.
 * A channel index 0 .. maxchannels-1 plays on exactly that channel. */
typedef enum FMOD_CHANNELINDEX { FMOD_CHANNEL_FREE = -1 } FMOD_CHANNELINDEX;

/* Capability bits of a driver. Our SDL drivers mix in software and hand the
 * result to the platform's sound server, so they report
 * FMOD_CAPS_HARDWARE_EMULATED; the no-sound driver reports none. */
#define FMOD_CAPS_NONE 0x00000000u
#define FMOD_CAPS_HARDWARE 0x00000001u
#define FMOD_CAPS_HARDWARE_EMULATED 0x00000002u

#define FMOD_INIT_NORMAL 0x00000000u

/* Mode bits of FMOD_System_CreateSound. */
#define FMOD_DEFAULT 0x00000000u
/* Channels play the sound once (the default without FMOD_LOOP_NORMAL). */
#define FMOD_LOOP_OFF 0x00000001u
/* Channels loop the whole sound seamlessly, forever unless
 * FMOD_Channel_SetLoopCount limits them (0 = play once, n = n extra passes). */
#define FMOD_LOOP_NORMAL 0x00000002u
/* Decode while playing, reading the caller's memory block until the sound is
 * released. Wins over FMOD_CREATESAMPLE when both are set. A stream plays on
 * one channel at a time: playing it again stops its channel and restarts it. */
#define FMOD_CREATESTREAM 0x00000080u
/* Decode everything at creation; the memory block is not used afterwards. */
#define FMOD_CREATESAMPLE 0x00000100u
/* The name argument points at the file's bytes; exinfo->length says how many.
 * Without it, the name is a file path, read whole at creation. */
#define FMOD_OPENMEMORY 0x00000800u

/* Extended information for FMOD_System_CreateSound. cbsize must be the
 * record's own size. */
typedef struct FMOD_CREATESOUNDEXINFO {
    int cbsize;
    /* Byte length of the memory block (FMOD_OPENMEMORY). */
    unsigned int length;
    /* DLS bank used to render MIDI, opened as a file path relative to the
     * working directory; null means "gm.dls". */
    const char* dlsname;
} FMOD_CREATESOUNDEXINFO;

typedef struct FMOD_GUID {
    unsigned int Data1;
    unsigned short Data2;
    unsigned short Data3;
    unsigned char Data4[8];
} FMOD_GUID;

/* System. */
FMOD_RESULT FMOD_System_Create(FMOD_SYSTEM** system);
/* Stops output and releases every sound still alive. */
FMOD_RESULT FMOD_System_Release(FMOD_SYSTEM* system);
FMOD_RESULT FMOD_System_GetVersion(FMOD_SYSTEM* system, unsigned int* version);
/* For SDL output: 1 when SDL can open its audio device, else 0 (no error).
 * For no-sound output: 1. */
FMOD_RESULT FMOD_System_GetNumDrivers(FMOD_SYSTEM* system, int* numdrivers);
/* Any out-pointer may be null. Frequencies are 8000 .. 192000 Hz. */
FMOD_RESULT FMOD_System_GetDriverCaps(FMOD_SYSTEM* system, int id, FMOD_CAPS* caps,
                                      int* minfrequency, int* maxfrequency,
                                      FMOD_SPEAKERMODE* controlpanelspeakermode);
/* The name is "SDL audio (<SDL driver name>)" or "No sound"; guid may be null
 * and is filled with zeros. */
FMOD_RESULT FMOD_System_GetDriverInfo(FMOD_SYSTEM* system, int id, char* name, int namelen,
                                      FMOD_GUID* guid);
/* Before Init. */
FMOD_RESULT FMOD_System_SetOutput(FMOD_SYSTEM* system, FMOD_OUTPUTTYPE output);
/* Before Init. */
FMOD_RESULT FMOD_System_SetSpeakerMode(FMOD_SYSTEM* system, FMOD_SPEAKERMODE speakermode);
/* Before Init. bufferlength is the device buffer in sample frames: a power of
 * two from 64 to 16384 (default 1024). SDL double-buffers on its own, so
 * numbuffers (1 .. 64) is accepted and has no further effect. */
FMOD_RESULT FMOD_System_SetDSPBufferSize(FMOD_SYSTEM* system, unsigned int bufferlength,
                                         int numbuffers);
/* Before Init. samplerate is the mix rate, 8000 .. 192000 Hz (default 48000).
 * numoutputchannels 0 keeps the speaker mode's count; maxinputchannels is
 * accepted and unused. */
FMOD_RESULT FMOD_System_SetSoftwareFormat(FMOD_SYSTEM* system, int samplerate,
                                          FMOD_SOUND_FORMAT format, int numoutputchannels,
                                          int maxinputchannels, FMOD_DSP_RESAMPLER resamplemethod);
/* maxchannels 1 .. 4096. Only one system at a time can hold SDL's device. */
FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM* system, int maxchannels, FMOD_INITFLAGS flags,
                             void* extradriverdata);
/* Once per frame. With no-sound output this is what advances the channels. */
FMOD_RESULT FMOD_System_Update(FMOD_SYSTEM* system);
/* Needs Init. Format is detected from the data. */
FMOD_RESULT FMOD_System_CreateSound(FMOD_SYSTEM* system, const char* name_or_data, FMOD_MODE mode,
                                    FMOD_CREATESOUNDEXINFO* exinfo, FMOD_SOUND** sound);
FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM* system, FMOD_CHANNELINDEX channelid,
                                  FMOD_SOUND* sound, FMOD_BOOL paused, FMOD_CHANNEL** channel);

/* Stops the sound's channels, then frees it. */
FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND* sound);

/* Channels. On a channel that has ended and not been reused, the setters
 * succeed and change nothing audible, and FMOD_Channel_IsPlaying answers
 * false. */
/* -1 = loop forever (the start value), 0 = play once, n = n extra passes.
 * Only sounds created with FMOD_LOOP_NORMAL loop at all. */
FMOD_RESULT FMOD_Channel_SetLoopCount(FMOD_CHANNEL* channel, int loopcount);
/* A paused channel keeps its position and its channel slot. */
FMOD_RESULT FMOD_Channel_SetPaused(FMOD_CHANNEL* channel, FMOD_BOOL paused);
/* -1 (right silent) .. 1 (left silent), clamped. Mono sounds use a
 * constant-power law: left = cos((pan + 1) * pi / 4), right = sin(same), so
 * the centre is -3 dB on each side. Stereo sounds use a balance law: left =
 * min(1, 1 - pan), right = min(1, 1 + pan), so the centre is unchanged. */
FMOD_RESULT FMOD_Channel_SetPan(FMOD_CHANNEL* channel, float pan);
/* Linear gain 0 .. 1, clamped. Pan and volume changes apply from the next
 * mixed block of the device buffer. */
FMOD_RESULT FMOD_Channel_SetVolume(FMOD_CHANNEL* channel, float volume);
/* True while playing or paused. */
FMOD_RESULT FMOD_Channel_IsPlaying(FMOD_CHANNEL* channel, FMOD_BOOL* isplaying);

/* Our own additions, for tests and tools. */

/* A clock in microseconds. */
typedef unsigned long long (*soundlib_CLOCK)(void* userdata);
/* Replaces the monotonic wall clock that no-sound output measures between
 * updates. Before Init. An update mixes at most 30 s; longer gaps are cut. */
FMOD_RESULT soundlib_System_SetClock(FMOD_SYSTEM* system, soundlib_CLOCK clock, void* userdata);

/* Receives each block the mixer makes, as interleaved float frames in the
 * output's channel count, before it goes to the device. With SDL output it is
 * called on the audio thread. Before Init; null removes it. */
typedef void (*soundlib_MIXTAP)(const float* frames, int framecount, int channels, void* userdata);
FMOD_RESULT soundlib_System_SetMixTap(FMOD_SYSTEM* system, soundlib_MIXTAP tap, void* userdata);

#ifdef __cplusplus
}
#endif

#endif
