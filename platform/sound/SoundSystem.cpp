#include "platform/sound/SoundSystem.h"

namespace zw {

ChannelHandle SoundSystem::PlaySample(SampleHandle sample) {
    ChannelHandle channel = SampleGetChannel(sample);
    if (channel) ChannelPlay(channel, true);
    return channel;
}

} // namespace zw
