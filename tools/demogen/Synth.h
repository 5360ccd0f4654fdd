#pragma once
// Sound synthesis for the demo world: a float sample buffer, a few
// generators and filters, and writers for WAV (16-bit PCM) and MP3. Every
// random value comes from SynthRandom with a fixed seed, so the same call
// sequence gives the same bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace demogen {

// Interleaved samples in -1..1.
struct Sound {
    int rate = 22050;
    int channels = 1;
    std::vector<float> data;

    Sound() = default;
    Sound(int sampleRate, double seconds, int channelCount = 1);
    size_t Frames() const { return channels > 0 ? data.size() / size_t(channels) : 0; }
    double Seconds() const { return double(Frames()) / rate; }
    float& At(size_t frame, int channel) { return data[frame * size_t(channels) + size_t(channel)]; }
};

// xorshift32: small, fast and the same on every machine.
class SynthRandom {
public:
    explicit SynthRandom(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    uint32_t Next();
    double Uniform();   // 0 .. 1
    double Symmetric(); // -1 .. 1
private:
    uint32_t state_;
};

enum class Wave { Sine, Square, Saw, Triangle };

// Attack, decay to the sustain level, release at the end of the note (seconds).
struct Envelope {
    double attack = 0.005, decay = 0.05, sustain = 0.8, release = 0.05;
};

// One band-limited-enough oscillator sample at phase (cycles).
double Oscillator(Wave wave, double phase);

// A note from start for dur seconds (release included), panned -1 (left)
// .. 1 (right) on stereo sounds. Samples past the end are dropped.
void AddNote(Sound& s, double start, double dur, double freq, double amp, Wave wave,
             const Envelope& env, double pan = 0.0);
// A sine whose amplitude falls by e every `decay` seconds (bells, knocks, clicks).
void AddDecayingSine(Sound& s, double start, double freq, double amp, double decay);
// White noise shaped by attack/hold/release, for hiss and bursts.
void AddNoise(Sound& s, double start, double attack, double hold, double release, double amp,
              SynthRandom& rng);
// A sine sweeping linearly from f0 to f1 with a smooth fade at both ends.
void AddSweep(Sound& s, double start, double dur, double f0, double f1, double amp, Wave wave);

// Biquad filters applied per channel in place. With `circular` the filter
// runs over the buffer twice and keeps the second pass, so a looped sound
// has no seam.
enum class FilterKind { LowPass, HighPass, BandPass };
void Filter(Sound& s, FilterKind kind, double freq, double q = 0.7071, bool circular = false);

// Gain so that the largest magnitude becomes peak (silence stays silence).
void Normalize(Sound& s, double peak = 0.9);
void FadeIn(Sound& s, double seconds);
void FadeOut(Sound& s, double seconds);
// Adds src (same rate and channels) into dst from start seconds, scaled by gain.
void Mix(Sound& dst, const Sound& src, double start, double gain = 1.0);

// 16-bit PCM RIFF WAV bytes and files; directories are created as needed.
std::vector<uint8_t> WavBytes(const Sound& s);
void WriteWav(const std::string& path, const Sound& s);
// MP3 through libsndfile (LAME); throws std::runtime_error on failure.
void WriteMp3(const std::string& path, const Sound& s);

} // namespace demogen
