#include "tools/demogen/Synth.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace demogen {
namespace {

constexpr double kPi = 3.14159265358979323846;

void AddSample(Sound& s, long frame, double value, double pan) {
    if (frame < 0 || size_t(frame) >= s.Frames()) return;
    if (s.channels == 1) {
        s.At(size_t(frame), 0) += float(value);
        return;
    }
    // Constant-power pan over the first two channels.
    double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    s.At(size_t(frame), 0) += float(value * std::cos(angle));
    s.At(size_t(frame), 1) += float(value * std::sin(angle));
}

double EnvelopeAt(const Envelope& e, double t, double dur) {
    double rel = std::min(e.release, dur);
    double body = dur - rel;
    double level;
    if (t < e.attack) level = t / std::max(e.attack, 1e-9);
    else if (t < e.attack + e.decay) level = 1.0 - (1.0 - e.sustain) * (t - e.attack) / std::max(e.decay, 1e-9);
    else level = e.sustain;
    if (t > body) level *= std::max(0.0, 1.0 - (t - body) / std::max(rel, 1e-9));
    return level;
}

struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double Step(double x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

Biquad MakeBiquad(FilterKind kind, double freq, double q, int rate) {
    double w = 2.0 * kPi * std::clamp(freq, 1.0, rate * 0.49) / rate;
    double alpha = std::sin(w) / (2.0 * q);
    double c = std::cos(w);
    double b0, b1, b2;
    switch (kind) {
    case FilterKind::LowPass: b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2; break;
    case FilterKind::HighPass: b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2; break;
    default: b0 = alpha; b1 = 0; b2 = -alpha; break;
    }
    double a0 = 1 + alpha;
    return Biquad{b0 / a0, b1 / a0, b2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

void MakeParent(const std::string& path) {
    auto parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
}

} // namespace

Sound::Sound(int sampleRate, double seconds, int channelCount)
    : rate(sampleRate), channels(channelCount),
      data(size_t(std::max(0.0, std::round(seconds * sampleRate))) * size_t(channelCount), 0.0f) {}

uint32_t SynthRandom::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}
double SynthRandom::Uniform() { return double(Next() >> 8) / double(1u << 24); }
double SynthRandom::Symmetric() { return Uniform() * 2.0 - 1.0; }

double Oscillator(Wave wave, double phase) {
    double p = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine: return std::sin(2.0 * kPi * p);
    case Wave::Square: {
        // A few odd harmonics: square-ish without the harsh aliasing.
        double v = 0;
        for (int k = 1; k <= 7; k += 2) v += std::sin(2.0 * kPi * p * k) / k;
        return v * 4.0 / kPi * 0.8;
    }
    case Wave::Saw: {
        double v = 0;
        for (int k = 1; k <= 8; ++k) v += std::sin(2.0 * kPi * p * k) / k;
        return v * 0.55;
    }
    case Wave::Triangle: return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    }
    return 0;
}

void AddNote(Sound& s, double start, double dur, double freq, double amp, Wave wave,
             const Envelope& env, double pan) {
    long first = long(std::lround(start * s.rate));
    long count = long(std::lround(dur * s.rate));
    for (long i = 0; i < count; ++i) {
        double t = double(i) / s.rate;
        AddSample(s, first + i, amp * EnvelopeAt(env, t, dur) * Oscillator(wave, freq * t), pan);
    }
}

void AddDecayingSine(Sound& s, double start, double freq, double amp, double decay) {
    long first = long(std::lround(start * s.rate));
    long count = long(decay * 7.0 * s.rate);
    for (long i = 0; i < count; ++i) {
        double t = double(i) / s.rate;
        double attack = std::min(1.0, t * s.rate / 8.0); // no click at the onset
        AddSample(s, first + i, amp * attack * std::exp(-t / decay) * std::sin(2.0 * kPi * freq * t), 0.0);
    }
}

void AddNoise(Sound& s, double start, double attack, double hold, double release, double amp,
              SynthRandom& rng) {
    long first = long(std::lround(start * s.rate));
    double dur = attack + hold + release;
    long count = long(dur * s.rate);
    for (long i = 0; i < count; ++i) {
        double t = double(i) / s.rate;
        double level = t < attack ? t / std::max(attack, 1e-9)
                       : t < attack + hold ? 1.0
                                           : std::max(0.0, 1.0 - (t - attack - hold) / std::max(release, 1e-9));
        AddSample(s, first + i, amp * level * rng.Symmetric(), 0.0);
    }
}

void AddSweep(Sound& s, double start, double dur, double f0, double f1, double amp, Wave wave) {
    long first = long(std::lround(start * s.rate));
    long count = long(dur * s.rate);
    double phase = 0;
    for (long i = 0; i < count; ++i) {
        double t = double(i) / s.rate;
        double f = f0 + (f1 - f0) * t / dur;
        phase += f / s.rate;
        double edge = std::min({1.0, t / 0.01, (dur - t) / 0.02});
        AddSample(s, first + i, amp * edge * Oscillator(wave, phase), 0.0);
    }
}

void Filter(Sound& s, FilterKind kind, double freq, double q, bool circular) {
    size_t frames = s.Frames();
    for (int c = 0; c < s.channels; ++c) {
        Biquad f = MakeBiquad(kind, freq, q, s.rate);
        if (circular)
            for (size_t i = 0; i < frames; ++i) f.Step(s.At(i, c));
        for (size_t i = 0; i < frames; ++i) s.At(i, c) = float(f.Step(s.At(i, c)));
    }
}

void Normalize(Sound& s, double peak) {
    float m = 0;
    for (float v : s.data) m = std::max(m, std::fabs(v));
    if (m <= 1e-9f) return;
    float g = float(peak / m);
    for (float& v : s.data) v *= g;
}

void FadeIn(Sound& s, double seconds) {
    size_t n = std::min(s.Frames(), size_t(seconds * s.rate));
    for (size_t i = 0; i < n; ++i)
        for (int c = 0; c < s.channels; ++c) s.At(i, c) *= float(double(i) / double(n));
}

void FadeOut(Sound& s, double seconds) {
    size_t frames = s.Frames();
    size_t n = std::min(frames, size_t(seconds * s.rate));
    for (size_t i = 0; i < n; ++i)
        for (int c = 0; c < s.channels; ++c) s.At(frames - 1 - i, c) *= float(double(i) / double(n));
}

void Mix(Sound& dst, const Sound& src, double start, double gain) {
    if (dst.rate != src.rate || dst.channels != src.channels)
        throw std::runtime_error("Mix: sounds differ in rate or channels");
    long first = long(std::lround(start * dst.rate));
    for (size_t i = 0; i < src.Frames(); ++i) {
        long f = first + long(i);
        if (f < 0 || size_t(f) >= dst.Frames()) continue;
        for (int c = 0; c < dst.channels; ++c) dst.At(size_t(f), c) += float(gain) * src.data[i * size_t(src.channels) + size_t(c)];
    }
}

std::vector<uint8_t> WavBytes(const Sound& s) {
    uint32_t dataBytes = uint32_t(s.data.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    for (char ch : std::string("RIFF")) out.push_back(uint8_t(ch));
    Put32(out, 36 + dataBytes);
    for (char ch : std::string("WAVEfmt ")) out.push_back(uint8_t(ch));
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, uint32_t(s.channels));
    Put32(out, uint32_t(s.rate));
    Put32(out, uint32_t(s.rate * s.channels * 2));
    Put16(out, uint32_t(s.channels * 2));
    Put16(out, 16);
    for (char ch : std::string("data")) out.push_back(uint8_t(ch));
    Put32(out, dataBytes);
    for (float v : s.data) {
        long q = std::lround(std::clamp(double(v), -1.0, 1.0) * 32767.0);
        Put16(out, uint32_t(uint16_t(int16_t(q))));
    }
    return out;
}

void WriteWav(const std::string& path, const Sound& s) {
    MakeParent(path);
    auto bytes = WavBytes(s);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
}

void WriteMp3(const std::string& path, const Sound& s) {
    MakeParent(path);
    SF_INFO info{};
    info.samplerate = s.rate;
    info.channels = s.channels;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) throw std::runtime_error("cannot write MP3 " + path + ": " + sf_strerror(nullptr));
    double level = 0.5; // about 128 kbit/s at 44.1 kHz stereo
    sf_command(f, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    sf_count_t frames = sf_count_t(s.Frames());
    sf_count_t written = sf_writef_float(f, s.data.data(), frames);
    sf_close(f);
    if (written != frames) throw std::runtime_error("short MP3 write " + path);
}

} // namespace demogen
