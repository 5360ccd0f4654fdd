// MPEG audio frame headers: the file's length is the sum of its frames'
// samples, less the encoder's delay and padding when the first frame says so.
#include "platform/sound/SoundFileInfo.h"
#include "util/Errors.h"

#include <cstring>

namespace zw {

namespace {

struct FrameHeader {
    int version = 0;    // 1 MPEG-1, 2 MPEG-2, 3 MPEG-2.5
    int layer = 0;      // 1..3
    int sampleRate = 0;
    int samples = 0;    // per frame
    int bytes = 0;      // frame length
    bool mono = false;
};

const int kBitrates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
const int kRates[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};

bool ParseHeader(const std::vector<uint8_t>& b, size_t at, FrameHeader& h) {
    if (at + 4 > b.size()) return false;
    uint32_t x = uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
    if ((x >> 21) != 0x7FF) return false;
    int versionBits = (x >> 19) & 3, layerBits = (x >> 17) & 3;
    int bitrateIndex = (x >> 12) & 15, rateIndex = (x >> 10) & 3;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return false;
    h.version = versionBits == 3 ? 1 : versionBits == 2 ? 2 : 3;
    h.layer = 4 - layerBits;
    h.sampleRate = kRates[h.version - 1][rateIndex];
    int bitrate = kBitrates[h.version == 1 ? 0 : 1][h.layer - 1][bitrateIndex] * 1000;
    int padding = (x >> 9) & 1;
    h.mono = ((x >> 6) & 3) == 3;
    if (h.layer == 1) {
        h.samples = 384;
        h.bytes = (12 * bitrate / h.sampleRate + padding) * 4;
    } else {
        h.samples = (h.layer == 3 && h.version != 1) ? 576 : 1152;
        h.bytes = h.samples / 8 * bitrate / h.sampleRate + padding;
    }
    return h.bytes >= 4;
}

bool SameStream(const FrameHeader& a, const FrameHeader& b) {
    return a.version == b.version && a.layer == b.layer && a.sampleRate == b.sampleRate;
}

// A frame start is trusted when the next frame follows it or the file ends there.
bool IsFrameAt(const std::vector<uint8_t>& b, size_t at, FrameHeader& h) {
    if (!ParseHeader(b, at, h)) return false;
    size_t next = at + size_t(h.bytes);
    FrameHeader n;
    return next == b.size() || (ParseHeader(b, next, n) && SameStream(h, n));
}

size_t SkipId3v2(const std::vector<uint8_t>& b, const std::string& name) {
    if (b.size() < 10 || std::memcmp(b.data(), "ID3", 3) != 0) return 0;
    size_t size = size_t(b[6] & 0x7F) << 21 | size_t(b[7] & 0x7F) << 14 | size_t(b[8] & 0x7F) << 7 | (b[9] & 0x7F);
    size_t end = 10 + size + ((b[5] & 0x10) ? 10 : 0);
    if (end > b.size())
        throw EInOutError(name + ": byte 6: ID3 tag of " + std::to_string(size) + " bytes runs past the end");
    return end;
}

// A "Xing"/"Info" first frame carries no sound; its LAME part may give the
// encoder's delay and padding.
bool ReadInfoFrame(const std::vector<uint8_t>& b, size_t at, const FrameHeader& h, int64_t& trim) {
    size_t side = h.version == 1 ? (h.mono ? 17 : 32) : (h.mono ? 9 : 17);
    size_t tag = at + 4 + side, end = at + size_t(h.bytes);
    if (h.layer != 3 || tag + 8 > end || end > b.size()) return false;
    if (std::memcmp(&b[tag], "Xing", 4) != 0 && std::memcmp(&b[tag], "Info", 4) != 0) return false;
    uint32_t flags = uint32_t(b[tag + 4]) << 24 | uint32_t(b[tag + 5]) << 16 | uint32_t(b[tag + 6]) << 8 | b[tag + 7];
    size_t lame = tag + 8 + ((flags & 1) ? 4 : 0) + ((flags & 2) ? 4 : 0) + ((flags & 4) ? 100 : 0) +
                  ((flags & 8) ? 4 : 0);
    if (lame + 24 <= end && std::memcmp(&b[lame], "LAME", 4) == 0) {
        int delay = b[lame + 21] << 4 | b[lame + 22] >> 4;
        int padding = (b[lame + 22] & 0x0F) << 8 | b[lame + 23];
        trim = delay + padding;
    }
    return true;
}

bool IsTrailingTag(const std::vector<uint8_t>& b, size_t at) {
    auto is = [&](const char* id, size_t n) { return at + n <= b.size() && std::memcmp(&b[at], id, n) == 0; };
    return is("TAG", 3) || is("APETAGEX", 8) || is("LYRICS", 6);
}

} // namespace

SoundFileInfo ParseMp3Info(const std::vector<uint8_t>& bytes, const std::string& name) {
    size_t at = SkipId3v2(bytes, name);
    FrameHeader first;
    while (at + 4 <= bytes.size() && !IsFrameAt(bytes, at, first)) ++at;
    if (at + 4 > bytes.size()) throw EInOutError(name + ": byte " + std::to_string(at) + ": expected an MPEG audio frame");
    SoundFileInfo info;
    info.sampleRate = first.sampleRate;
    info.channels = first.mono ? 1 : 2;
    int64_t trim = 0, samples = 0;
    if (ReadInfoFrame(bytes, at, first, trim)) at += size_t(first.bytes);
    FrameHeader h;
    while (at + 4 <= bytes.size()) {
        if (ParseHeader(bytes, at, h) && SameStream(first, h)) {
            if (at + size_t(h.bytes) > bytes.size()) break; // a cut-off last frame
            samples += h.samples;
            at += size_t(h.bytes);
        } else if (IsTrailingTag(bytes, at)) {
            break;
        } else {
            ++at; // damaged bytes: look for the next frame
        }
    }
    info.frames = samples > trim ? samples - trim : 0;
    return info;
}

SoundFileInfo ParseSoundFileInfo(const std::vector<uint8_t>& bytes, const std::string& name) {
    if (bytes.size() >= 4 && std::memcmp(bytes.data(), "RIFF", 4) == 0) return ParseWavInfo(bytes, name);
    return ParseMp3Info(bytes, name);
}

} // namespace zw
