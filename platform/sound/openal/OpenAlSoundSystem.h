#pragma once
// The sound system on OpenAL Soft: a sample is one buffer decoded at load,
// each of its channels a source; a stream is a source fed with a few short
// buffers that Update refills as they are played.
#include "platform/sound/SoundSystemBase.h"

#include <AL/alc.h>

#include <string>

namespace zw {

class OpenAlSoundSystem : public SoundSystemBase {
public:
    OpenAlSoundSystem() = default;
    ~OpenAlSoundSystem() override;
    const char* BackendName() const override { return "openal"; }

    // Whether the default output opens at all; why not in `why`.
    static bool ProbeDevice(std::string& why);

protected:
    bool OpenDevice(int mixRate) override;
    void CloseDevice() override;
    bool LoadSampleData(SampleRec& sample, std::string& error) override;
    void ReleaseSampleData(SampleRec& sample) override;
    bool CreateVoice(ChannelRec& channel, const SampleRec& sample) override;
    bool OpenStreamData(ChannelRec& channel, std::string& error) override;
    void ReleaseVoice(ChannelRec& channel) override;
    void VoiceStart(ChannelRec& channel, bool fromStart) override;
    void VoicePause(ChannelRec& channel) override;
    void VoiceStop(ChannelRec& channel) override;
    void VoiceApply(ChannelRec& channel) override;
    void VoiceRefresh(ChannelRec& channel) override;
    void Advance(double elapsedSeconds) override;

private:
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    bool loggedFailure_ = false;
};

} // namespace zw
