#pragma once
// Reading what a sound file holds (length, rate, channels) without playing it.
// The null sound system needs lengths to know when a sound ends. The reader
// here parses WAV and MP3 headers itself; the OpenAL side has one that asks
// the decoder (platform/sound/openal/SndfileInfoReader.h).
#include "platform/sound/SoundTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zw {

class SoundFileInfoReader {
public:
    virtual ~SoundFileInfoReader() = default;
    // False when the file does not exist (error stays "") or cannot be read
    // (error says why).
    virtual bool Read(const std::string& path, SoundFileInfo& info, std::string& error) = 0;
};

// WAV (RIFF PCM, float, extensible) and MP3 (MPEG audio frames, with or
// without ID3 tags), told apart by their first bytes.
class HeaderSoundFileInfoReader : public SoundFileInfoReader {
public:
    bool Read(const std::string& path, SoundFileInfo& info, std::string& error) override;
};

// Parsers over bytes; they throw EInOutError naming the file, the byte offset
// and what was expected.
SoundFileInfo ParseWavInfo(const std::vector<uint8_t>& bytes, const std::string& name);
SoundFileInfo ParseMp3Info(const std::vector<uint8_t>& bytes, const std::string& name);
// Either of the two by the file's first bytes.
SoundFileInfo ParseSoundFileInfo(const std::vector<uint8_t>& bytes, const std::string& name);

} // namespace zw
