#pragma once
// Decoding sound files with libsndfile (WAV, MP3 and what else it reads).
#include "platform/sound/SoundFileInfo.h"

#include <cstdint>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace zw {

// The whole file as 16-bit mono (channels mixed down, so that pan can place
// it). False for a missing file (error "") or one that cannot be decoded.
bool DecodeMono16(const std::string& path, std::vector<int16_t>& pcm, SoundFileInfo& info, std::string& error);

// A file decoded piece by piece, as 16-bit mono or stereo.
class SndfileStream {
public:
    SndfileStream() = default;
    SndfileStream(const SndfileStream&) = delete;
    SndfileStream& operator=(const SndfileStream&) = delete;
    ~SndfileStream() { Close(); }

    bool Open(const std::string& path, std::string& error);
    void Close();
    // The file's info; channels is the decoded count (1 or 2).
    const SoundFileInfo& Info() const { return info_; }
    bool Rewind();
    // Up to `frames` frames into out (frames × Info().channels values); 0 at the end.
    int64_t Read(int16_t* out, int64_t frames);
    bool AtEnd() const { return atEnd_; }

private:
    SNDFILE* file_ = nullptr;
    SoundFileInfo info_;
    int fileChannels_ = 0;
    bool atEnd_ = false;
    std::vector<int16_t> wide_; // frames of a file with more than two channels
};

// Lengths from the decoder itself: the same numbers the OpenAL system plays.
class SndfileInfoReader : public SoundFileInfoReader {
public:
    bool Read(const std::string& path, SoundFileInfo& info, std::string& error) override;
};

} // namespace zw
