#pragma once
// The sound library the game plays through: samples with a fixed number of
// channels each, streams for music, and per-channel frequency, volume and pan.
// Two implementations: the OpenAL one (platform/sound/openal) and the null one
// (NullSoundSystem) that keeps the same state without a device.
//
// Handles are plain values; 0 is "none" and every call accepts it. A missing
// or unreadable file gives an empty sample or stream (handle 0): playing it
// does nothing and its length is 0. Before Init and after Free every load
// gives an empty handle and older handles are dead.
#include "platform/sound/SoundTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zw {

class SoundSystem {
public:
    virtual ~SoundSystem() = default;

    // Opens the default output at the given mixing rate. False when there is
    // no device; the system then stays silent and every load is empty.
    virtual bool Init(int mixRate = 44100) = 0;
    // Starts output (sounds play from now on).
    virtual bool Start() = 0;
    // Stops every sound and releases all samples, channels and streams.
    // Harmless when called again.
    virtual void Free() = 0;
    virtual bool IsInitialized() const = 0;
    // Which implementation this is: "openal" or "null".
    virtual const char* BackendName() const = 0;

    // Loads (and decodes, once) a sound file. maxChannels: how many of its
    // channels may sound at once (at least 1). overrideLongest: when all are
    // busy, a new channel takes the one that has played longest.
    virtual SampleHandle SampleLoad(const std::string& path, int maxChannels, bool loop,
                                    bool overrideLongest) = 0;
    // A channel of the sample: a stopped one, a new one while fewer than
    // maxChannels exist, or (override flag) the longest-playing one, which is
    // stopped. None when all are busy without the override flag.
    virtual ChannelHandle SampleGetChannel(SampleHandle sample) = 0;
    // Stops every channel of the sample.
    virtual bool SampleStop(SampleHandle sample) = 0;
    // Playing when any channel of the sample plays, else Paused when one is
    // paused, else Stopped.
    virtual ChannelState SampleIsActive(SampleHandle sample) = 0;

    // Plays from the beginning when restart is set or the channel is stopped;
    // otherwise a paused channel resumes where it was.
    virtual bool ChannelPlay(ChannelHandle channel, bool restart) = 0;
    virtual bool ChannelPause(ChannelHandle channel) = 0;
    // Stops and rewinds to the beginning.
    virtual bool ChannelStop(ChannelHandle channel) = 0;
    virtual ChannelState ChannelIsActive(ChannelHandle channel) = 0;
    // frequency: playback rate in Hz (0 the sound's own rate, otherwise
    // clamped to kMinFrequency..kMaxFrequency); volume 0..1; pan -1..1.
    // kUnchanged leaves an attribute as it is.
    virtual bool ChannelSetAttributes(ChannelHandle channel, std::optional<int> frequency,
                                      std::optional<float> volume, std::optional<float> pan) = 0;
    // Length of the decoded sound in bytes (16-bit samples, all its channels).
    virtual int64_t ChannelGetLength(ChannelHandle channel) = 0;
    virtual double ChannelBytes2Seconds(ChannelHandle channel, int64_t bytes) = 0;
    virtual ChannelInfo ChannelGetInfo(ChannelHandle channel) = 0;

    // A stream that decodes the file as it plays (music). Created stopped.
    virtual ChannelHandle StreamCreateFile(const std::string& path) = 0;
    virtual bool StreamFree(ChannelHandle stream) = 0;

    // Called once per pass of the message loop: refills streams and notices
    // sounds that ended. elapsedSeconds advances the null system's clock; the
    // device keeps its own time.
    virtual void Update(double elapsedSeconds) = 0;

    // Every channel that exists, for tests and diagnostics.
    virtual std::vector<ChannelHandle> Channels() = 0;
    // What a player hears now: the playing channels with a volume above 0.
    std::vector<ChannelInfo> Audible();

    // A channel of the sample started from its beginning; none for an empty
    // sample or when no channel is free.
    ChannelHandle PlaySample(SampleHandle sample);
};

} // namespace zw
