#include "platform/sound/SoundSystem.h"

#include <utility>

namespace zw {

ChannelHandle SoundSystem::PlaySample(SampleHandle sample) {
    ChannelHandle channel = SampleGetChannel(sample);
    if (channel) ChannelPlay(channel, true);
    return channel;
}

std::vector<ChannelInfo> SoundSystem::Audible() {
    std::vector<ChannelInfo> result;
    for (ChannelHandle c : Channels()) {
        ChannelInfo info = ChannelGetInfo(c);
        if (info.state == ChannelState::Playing && info.volume > 0.0f) result.push_back(std::move(info));
    }
    return result;
}

} // namespace zw
