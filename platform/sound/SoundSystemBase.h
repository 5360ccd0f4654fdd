#pragma once
// The state every sound system keeps, whatever plays it: samples and their
// channels, streams, what is playing or paused, frequency, volume and pan, and
// which channel a busy sample gives up. Backends fill in the hooks that load
// data and drive voices, so that the null and the OpenAL systems agree.
#include "platform/sound/SoundSystem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zw {

class SoundSystemBase : public SoundSystem {
public:
    bool Init(int mixRate = 44100) override;
    bool Start() override;
    void Free() override;
    bool IsInitialized() const override { return initialized_; }

    SampleHandle SampleLoad(const std::string& path, int maxChannels, bool loop,
                            bool overrideLongest) override;
    ChannelHandle SampleGetChannel(SampleHandle sample) override;
    bool SampleStop(SampleHandle sample) override;
    ChannelState SampleIsActive(SampleHandle sample) override;

    bool ChannelPlay(ChannelHandle channel, bool restart) override;
    bool ChannelPause(ChannelHandle channel) override;
    bool ChannelStop(ChannelHandle channel) override;
    ChannelState ChannelIsActive(ChannelHandle channel) override;
    bool ChannelSetAttributes(ChannelHandle channel, std::optional<int> frequency,
                              std::optional<float> volume, std::optional<float> pan) override;
    int64_t ChannelGetLength(ChannelHandle channel) override;
    double ChannelBytes2Seconds(ChannelHandle channel, int64_t bytes) override;
    ChannelInfo ChannelGetInfo(ChannelHandle channel) override;

    ChannelHandle StreamCreateFile(const std::string& path) override;
    bool StreamFree(ChannelHandle stream) override;

    void Update(double elapsedSeconds) override;
    std::vector<ChannelHandle> Channels() override;

protected:
    struct SampleRec {
        bool live = false;
        uint32_t generation = 1;
        std::string path;
        SoundFileInfo info;
        int maxChannels = 1;
        bool loop = false;
        bool overrideLongest = false;
        std::vector<uint32_t> channels; // slots in channels_
        uintptr_t backend = 0;          // the backend's data (a buffer)
    };
    struct ChannelRec {
        bool live = false;
        uint32_t generation = 1;
        bool isStream = false;
        uint32_t sampleSlot = 0;
        std::string path; // streams only; a sample channel uses its sample's
        SoundFileInfo info;
        bool loop = false;
        ChannelState state = ChannelState::Stopped;
        int frequency = 0;
        float volume = 1.0f;
        float pan = 0.0f;
        double framePos = 0.0;     // frames of the sound played
        uint64_t startSerial = 0;  // order of starts: the smallest has played longest
        uintptr_t backend = 0;     // the backend's voice (a source, a decoder)
    };

    // Hooks. Open/close the output; false when there is no device.
    virtual bool OpenDevice(int mixRate) = 0;
    virtual void CloseDevice() = 0;
    // Fill info (and backend data); false for a file that cannot be read, with
    // the reason in error ("" for a missing file).
    virtual bool LoadSampleData(SampleRec& sample, std::string& error) = 0;
    virtual void ReleaseSampleData(SampleRec& sample) = 0;
    virtual bool CreateVoice(ChannelRec& channel, const SampleRec& sample) = 0;
    virtual bool OpenStreamData(ChannelRec& channel, std::string& error) = 0;
    virtual void ReleaseVoice(ChannelRec& channel) = 0;
    // fromStart: the channel's framePos was set to 0 and it plays from there.
    virtual void VoiceStart(ChannelRec& channel, bool fromStart) = 0;
    virtual void VoicePause(ChannelRec& channel) = 0;
    virtual void VoiceStop(ChannelRec& channel) = 0;
    virtual void VoiceApply(ChannelRec& channel) = 0;
    // Brings state and framePos up to date with what the output did.
    virtual void VoiceRefresh(ChannelRec& channel) = 0;
    virtual void Advance(double elapsedSeconds) = 0;

    ChannelRec* FindChannel(ChannelHandle handle);
    SampleRec* FindSample(SampleHandle handle);
    const SampleRec& SampleOf(const ChannelRec& channel) const { return samples_[channel.sampleSlot]; }
    // A sound that reached its end: stopped and rewound.
    static void MarkEnded(ChannelRec& channel);

    std::vector<ChannelRec> channels_;
    std::vector<SampleRec> samples_;

private:
    uint32_t AllocChannelSlot();
    uint32_t AllocSampleSlot();
    void ReleaseChannelSlot(uint32_t slot);
    void StopChannel(ChannelRec& channel);
    void LogUnreadable(const std::string& path, const std::string& error);

    bool initialized_ = false;
    uint64_t startSerial_ = 0;
    std::vector<uint32_t> freeChannelSlots_;
    std::vector<uint32_t> freeSampleSlots_;
};

} // namespace zw
