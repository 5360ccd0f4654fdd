#pragma once
// The sound system without a device (--headless, --sound null, or no sound
// card). It keeps all the state of the real one and a clock of its own that
// Update advances, so a test can ask what a player would be hearing: which
// sounds play, paused or not, at what frequency, volume and pan, and where.
#include "platform/sound/SoundFileInfo.h"
#include "platform/sound/SoundSystemBase.h"

#include <memory>

namespace zw {

class NullSoundSystem : public SoundSystemBase {
public:
    // reader: how file lengths are learnt; the header reader when none is given.
    explicit NullSoundSystem(std::unique_ptr<SoundFileInfoReader> reader = nullptr);
    const char* BackendName() const override { return "null"; }
    // Seconds the clock has advanced since Init.
    double Now() const { return now_; }

protected:
    bool OpenDevice(int mixRate) override;
    void CloseDevice() override {}
    bool LoadSampleData(SampleRec& sample, std::string& error) override;
    void ReleaseSampleData(SampleRec&) override {}
    bool CreateVoice(ChannelRec&, const SampleRec&) override { return true; }
    bool OpenStreamData(ChannelRec& channel, std::string& error) override;
    void ReleaseVoice(ChannelRec&) override {}
    void VoiceStart(ChannelRec&, bool) override {}
    void VoicePause(ChannelRec&) override {}
    void VoiceStop(ChannelRec&) override {}
    void VoiceApply(ChannelRec&) override {}
    void VoiceRefresh(ChannelRec&) override {}
    void Advance(double elapsedSeconds) override;

private:
    std::unique_ptr<SoundFileInfoReader> reader_;
    double now_ = 0.0;
};

} // namespace zw
