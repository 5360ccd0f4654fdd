#include "platform/sound/NullSoundSystem.h"

#include <cmath>

namespace zw {

NullSoundSystem::NullSoundSystem(std::unique_ptr<SoundFileInfoReader> reader) : reader_(std::move(reader)) {
    if (!reader_) reader_ = std::make_unique<HeaderSoundFileInfoReader>();
}

bool NullSoundSystem::OpenDevice(int) {
    now_ = 0.0;
    return true;
}

bool NullSoundSystem::LoadSampleData(SampleRec& sample, std::string& error) {
    return reader_->Read(sample.path, sample.info, error);
}

bool NullSoundSystem::OpenStreamData(ChannelRec& channel, std::string& error) {
    return reader_->Read(channel.path, channel.info, error);
}

void NullSoundSystem::Advance(double elapsedSeconds) {
    now_ += elapsedSeconds;
    for (ChannelRec& c : channels_) {
        if (!c.live || c.state != ChannelState::Playing) continue;
        double frames = double(c.info.frames);
        c.framePos += elapsedSeconds * c.frequency;
        if (c.framePos < frames) continue;
        if (c.loop && frames > 0) c.framePos = std::fmod(c.framePos, frames);
        else MarkEnded(c);
    }
}

} // namespace zw
