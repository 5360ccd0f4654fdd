// RIFF WAVE headers: the "fmt " chunk gives the layout, the "data" chunk the
// number of frames.
#include "platform/sound/SoundFileInfo.h"
#include "util/Errors.h"

#include <algorithm>

namespace zw {

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

[[noreturn]] void Fail(const std::string& name, size_t offset, const std::string& what) {
    throw EInOutError(name + ": byte " + std::to_string(offset) + ": " + what);
}

bool IsId(const std::vector<uint8_t>& b, size_t at, const char* id) {
    return std::equal(id, id + 4, b.begin() + long(at));
}

} // namespace

SoundFileInfo ParseWavInfo(const std::vector<uint8_t>& bytes, const std::string& name) {
    if (bytes.size() < 12 || !IsId(bytes, 0, "RIFF") || !IsId(bytes, 8, "WAVE"))
        Fail(name, 0, "expected a RIFF WAVE header");
    SoundFileInfo info;
    int blockAlign = 0;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        uint32_t size = Le32(bytes, at + 4);
        size_t body = at + 8;
        size_t left = bytes.size() - body;
        if (IsId(bytes, at, "fmt ")) {
            if (size < 16 || left < 16) Fail(name, at, "expected a format chunk of at least 16 bytes");
            uint16_t tag = Le16(bytes, body);
            if (tag != 1 && tag != 3 && tag != 6 && tag != 7 && tag != 0xFFFE)
                Fail(name, body, "unsupported sample format " + std::to_string(tag));
            info.channels = Le16(bytes, body + 2);
            info.sampleRate = int(std::min<uint32_t>(Le32(bytes, body + 4), 1000000));
            blockAlign = Le16(bytes, body + 12);
            if (info.channels == 0 || info.sampleRate == 0 || blockAlign == 0)
                Fail(name, body, "expected non-zero channels, rate and block size");
        } else if (IsId(bytes, at, "data")) {
            if (blockAlign == 0) Fail(name, at, "expected the format chunk before the data chunk");
            // A file cut short keeps the frames it holds.
            info.frames = int64_t(std::min<size_t>(size, left) / size_t(blockAlign));
            return info;
        }
        if (size > left) break;
        at = body + size + (size & 1);
    }
    Fail(name, std::min(at, bytes.size()), "expected a data chunk");
}

} // namespace zw
