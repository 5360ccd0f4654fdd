#include "platform/sound/openal/SndfileAudio.h"

#include "util/Paths.h"

#include <sndfile.h>

#include <algorithm>

namespace zw {

namespace {

// The longest sample decoded whole: 10 minutes of 48 kHz, so that a broken
// header cannot ask for gigabytes.
constexpr int64_t kMaxSampleFrames = int64_t(48000) * 600;

SNDFILE* OpenForReading(const std::string& path, SF_INFO& sfinfo, std::string& error) {
    error.clear();
    if (!FileExists(path)) return nullptr;
    sfinfo = {};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &sfinfo);
    if (!f) {
        error = sf_strerror(nullptr);
        return nullptr;
    }
    if (sfinfo.channels <= 0 || sfinfo.samplerate <= 0) {
        error = "no channels or no sample rate";
        sf_close(f);
        return nullptr;
    }
    return f;
}

} // namespace

bool DecodeMono16(const std::string& path, std::vector<int16_t>& pcm, SoundFileInfo& info, std::string& error) {
    SF_INFO sfinfo;
    SNDFILE* f = OpenForReading(path, sfinfo, error);
    if (!f) return false;
    if (sfinfo.frames > kMaxSampleFrames) {
        error = "longer than a sample may be (" + std::to_string(sfinfo.frames) + " frames)";
        sf_close(f);
        return false;
    }
    const int channels = sfinfo.channels;
    std::vector<int16_t> block(size_t(4096) * size_t(channels));
    pcm.clear();
    pcm.reserve(size_t(std::max<sf_count_t>(sfinfo.frames, 0)));
    for (;;) {
        sf_count_t got = sf_readf_short(f, block.data(), 4096);
        if (got <= 0 || int64_t(pcm.size()) + got > kMaxSampleFrames) break;
        for (sf_count_t i = 0; i < got; ++i) {
            int sum = 0;
            for (int c = 0; c < channels; ++c) sum += block[size_t(i * channels + c)];
            pcm.push_back(int16_t(sum / channels));
        }
    }
    sf_close(f);
    info.sampleRate = sfinfo.samplerate;
    info.channels = 1;
    info.frames = int64_t(pcm.size());
    if (pcm.empty()) error = "no sound frames";
    return !pcm.empty();
}

bool SndfileStream::Open(const std::string& path, std::string& error) {
    Close();
    SF_INFO sfinfo;
    file_ = OpenForReading(path, sfinfo, error);
    if (!file_) return false;
    fileChannels_ = sfinfo.channels;
    info_.sampleRate = sfinfo.samplerate;
    info_.channels = std::min(fileChannels_, 2);
    info_.frames = std::max<sf_count_t>(sfinfo.frames, 0);
    atEnd_ = false;
    return true;
}

void SndfileStream::Close() {
    if (file_) sf_close(file_);
    file_ = nullptr;
    info_ = {};
    atEnd_ = true;
}

bool SndfileStream::Rewind() {
    if (!file_) return false;
    atEnd_ = false;
    return sf_seek(file_, 0, SEEK_SET) == 0;
}

int64_t SndfileStream::Read(int16_t* out, int64_t frames) {
    if (!file_ || atEnd_ || frames <= 0) return 0;
    sf_count_t got;
    if (fileChannels_ <= 2) {
        got = sf_readf_short(file_, out, frames);
    } else {
        // Keep the first two channels of a surround file.
        wide_.resize(size_t(frames) * size_t(fileChannels_));
        got = sf_readf_short(file_, wide_.data(), frames);
        for (sf_count_t i = 0; i < got; ++i) {
            out[2 * i] = wide_[size_t(i * fileChannels_)];
            out[2 * i + 1] = wide_[size_t(i * fileChannels_ + 1)];
        }
    }
    if (got <= 0) {
        atEnd_ = true;
        return 0;
    }
    return got;
}

bool SndfileInfoReader::Read(const std::string& path, SoundFileInfo& info, std::string& error) {
    SF_INFO sfinfo;
    SNDFILE* f = OpenForReading(path, sfinfo, error);
    if (!f) return false;
    sf_close(f);
    info.sampleRate = sfinfo.samplerate;
    info.channels = sfinfo.channels;
    info.frames = std::max<sf_count_t>(sfinfo.frames, 0);
    return true;
}

} // namespace zw
