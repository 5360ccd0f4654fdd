#pragma once
// A streaming source: the file decoded a quarter second at a time into a ring
// of buffers queued on one source.
#include "platform/sound/openal/SndfileAudio.h"

#include <AL/al.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zw {

class OpenAlStream {
public:
    explicit OpenAlStream(ALuint source) : source_(source) {}
    OpenAlStream(const OpenAlStream&) = delete;
    OpenAlStream& operator=(const OpenAlStream&) = delete;
    ~OpenAlStream();

    bool Open(const std::string& path, std::string& error);
    const SoundFileInfo& Info() const { return decoder_.Info(); }
    ALuint Source() const { return source_; }

    // Rewinds, fills the queue and plays.
    void PlayFromStart();
    // Stops, empties the queue.
    void Stop();
    // Puts played buffers back with new sound; restarts after an underrun.
    // False once everything has been played.
    bool Refill();
    // Frames played so far.
    int64_t Position();
    bool Finished();

private:
    static constexpr int kBuffers = 4;
    static constexpr int kChunkFrames = 11025;

    void UnqueueAll();
    bool QueueNext(ALuint buffer, int index);
    int IndexOf(ALuint buffer) const;

    ALuint source_;
    ALenum format_ = 0;
    std::array<ALuint, kBuffers> buffers_{};
    std::array<int64_t, kBuffers> bufferFrames_{};
    bool buffersMade_ = false;
    int queued_ = 0;
    int64_t playedFrames_ = 0;
    std::vector<int16_t> chunk_;
    SndfileStream decoder_;
};

} // namespace zw
