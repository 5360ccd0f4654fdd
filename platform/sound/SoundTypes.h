#pragma once
// Plain handles and values of the sound library. A handle of 0 is "none": an
// empty sample (missing or unreadable file) or a channel that does not exist.
// Every call accepts it and does nothing.
#include <cstdint>
#include <optional>
#include <string>

namespace zw {

struct SampleHandle {
    uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    friend bool operator==(SampleHandle, SampleHandle) = default;
};

// A channel plays a sample or a stream (a stream is a channel of its own).
struct ChannelHandle {
    uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    friend bool operator==(ChannelHandle, ChannelHandle) = default;
};

enum class ChannelState { Stopped, Playing, Paused };

// "Leave as it is" for an attribute of ChannelSetAttributes.
inline constexpr std::nullopt_t kUnchanged = std::nullopt;

// Frequency 0 means the sound's own sample rate.
inline constexpr int kMinFrequency = 100;
inline constexpr int kMaxFrequency = 200000;

// What a sound file holds, read without playing it.
struct SoundFileInfo {
    int64_t frames = 0;    // sample frames (one value per channel)
    int sampleRate = 0;    // Hz
    int channels = 0;      // 1 mono, 2 stereo, ...
    double Seconds() const { return sampleRate > 0 ? double(frames) / sampleRate : 0.0; }
};

// What a player would hear on one channel: for tests and diagnostics.
struct ChannelInfo {
    bool exists = false;
    bool isStream = false;
    SampleHandle sample;     // the sample it plays (none for a stream)
    std::string path;        // the file it plays
    ChannelState state = ChannelState::Stopped;
    bool loop = false;
    int frequency = 0;       // Hz, the playback rate in use
    float volume = 1.0f;     // 0 .. 1
    float pan = 0.0f;        // -1 left .. 1 right
    double position = 0.0;   // seconds of the sound played so far (0 .. its length)
    double length = 0.0;     // seconds of the sound at its own rate
};

} // namespace zw
