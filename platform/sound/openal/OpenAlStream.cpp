#include "platform/sound/openal/OpenAlStream.h"

namespace zw {

OpenAlStream::~OpenAlStream() {
    Stop();
    if (buffersMade_) alDeleteBuffers(kBuffers, buffers_.data());
}

bool OpenAlStream::Open(const std::string& path, std::string& error) {
    if (!decoder_.Open(path, error)) return false;
    format_ = decoder_.Info().channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    alGetError();
    alGenBuffers(kBuffers, buffers_.data());
    if (alGetError() != AL_NO_ERROR) {
        error = "no sound buffers left";
        return false;
    }
    buffersMade_ = true;
    chunk_.resize(size_t(kChunkFrames) * size_t(decoder_.Info().channels));
    return true;
}

int OpenAlStream::IndexOf(ALuint buffer) const {
    for (int i = 0; i < kBuffers; ++i)
        if (buffers_[size_t(i)] == buffer) return i;
    return -1;
}

bool OpenAlStream::QueueNext(ALuint buffer, int index) {
    int64_t got = decoder_.Read(chunk_.data(), kChunkFrames);
    if (got <= 0) return false;
    alBufferData(buffer, format_, chunk_.data(), ALsizei(got * decoder_.Info().channels * 2),
                 ALsizei(decoder_.Info().sampleRate));
    alSourceQueueBuffers(source_, 1, &buffer);
    bufferFrames_[size_t(index)] = got;
    ++queued_;
    return true;
}

void OpenAlStream::UnqueueAll() {
    alSourceStop(source_);
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    for (ALint i = 0; i < processed; ++i) {
        ALuint b = 0;
        alSourceUnqueueBuffers(source_, 1, &b);
    }
    queued_ = 0;
}

void OpenAlStream::PlayFromStart() {
    UnqueueAll();
    decoder_.Rewind();
    playedFrames_ = 0;
    for (int i = 0; i < kBuffers; ++i)
        if (!QueueNext(buffers_[size_t(i)], i)) break;
    if (queued_ > 0) alSourcePlay(source_);
}

void OpenAlStream::Stop() {
    if (buffersMade_) UnqueueAll();
}

bool OpenAlStream::Refill() {
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    for (ALint i = 0; i < processed; ++i) {
        ALuint b = 0;
        alSourceUnqueueBuffers(source_, 1, &b);
        int index = IndexOf(b);
        if (index < 0) continue;
        --queued_;
        playedFrames_ += bufferFrames_[size_t(index)];
        bufferFrames_[size_t(index)] = 0;
        QueueNext(b, index);
    }
    if (queued_ == 0) return false;
    ALint state = 0;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    if (state == AL_STOPPED) alSourcePlay(source_); // it ran dry between two updates
    return true;
}

int64_t OpenAlStream::Position() {
    ALint offset = 0;
    alGetSourcei(source_, AL_SAMPLE_OFFSET, &offset);
    return playedFrames_ + offset;
}

bool OpenAlStream::Finished() {
    if (!decoder_.AtEnd()) return false;
    ALint state = 0, processed = 0;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    return state == AL_STOPPED && processed >= queued_;
}

} // namespace zw
