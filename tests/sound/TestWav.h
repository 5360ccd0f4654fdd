#pragma once
// Small WAV files written by the tests: a sine tone of 16-bit PCM.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace zwtest {

inline void PutLe(std::vector<uint8_t>& b, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

// The bytes of a WAV file; frames of a tone of `hz` at `amplitude` (0..1).
inline std::vector<uint8_t> WavBytes(int64_t frames, int rate, int channels, double hz = 440.0,
                                     double amplitude = 0.5) {
    std::vector<uint8_t> b;
    uint32_t data = uint32_t(frames * channels * 2);
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    PutLe(b, 36 + data, 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(b, 16, 4);
    PutLe(b, 1, 2);
    PutLe(b, uint32_t(channels), 2);
    PutLe(b, uint32_t(rate), 4);
    PutLe(b, uint32_t(rate * channels * 2), 4);
    PutLe(b, uint32_t(channels * 2), 2);
    PutLe(b, 16, 2);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    PutLe(b, data, 4);
    b.reserve(b.size() + data);
    for (int64_t i = 0; i < frames; ++i) {
        auto v = int16_t(std::lround(32767.0 * amplitude * std::sin(2 * M_PI * hz * double(i) / rate)));
        for (int c = 0; c < channels; ++c) PutLe(b, uint16_t(v), 2);
    }
    return b;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
}

inline std::string WriteWav(const std::string& path, double seconds, int rate, int channels = 1,
                            double hz = 440.0, double amplitude = 0.5) {
    WriteBytes(path, WavBytes(int64_t(std::llround(seconds * rate)), rate, channels, hz, amplitude));
    return path;
}

// A fresh folder under the system's temporary folder.
inline std::string TempFolder(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() / ("zw_" + name + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

} // namespace zwtest
