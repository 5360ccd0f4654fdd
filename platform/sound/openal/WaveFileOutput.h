#pragma once
// Sends all OpenAL output to a WAV file instead of a sound card (OpenAL
// Soft's "wave" driver), e.g. to record a whole headless drive. Call before
// the first sound system is created; the file is complete once the sound
// system is freed.
#include <string>

namespace zw {

// Writes the driver settings beside the file (path + ".alsoft.conf") and
// points OpenAL Soft at them. False when they cannot be written.
bool UseWaveFileOutput(const std::string& wavPath);

} // namespace zw
