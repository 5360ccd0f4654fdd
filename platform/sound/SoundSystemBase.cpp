#include "platform/sound/SoundSystemBase.h"

#include "shell/ZwLog.h"
#include "util/Paths.h"

#include <algorithm>
#include <cmath>

namespace zw {

namespace {

// A handle is the slot + 1 in the low bits and the slot's generation above
// them, so a handle of a freed slot never reaches the slot's next owner.
constexpr uint32_t kSlotBits = 20;
constexpr uint32_t kSlotMask = (1u << kSlotBits) - 1;
constexpr uint32_t kMaxSlots = kSlotMask - 1;
constexpr uint32_t kGenerationMask = (1u << (32 - kSlotBits)) - 1;

uint32_t MakeId(uint32_t slot, uint32_t generation) { return (generation << kSlotBits) | (slot + 1); }
uint32_t SlotOf(uint32_t id) { return (id & kSlotMask) - 1; }
uint32_t GenerationOf(uint32_t id) { return id >> kSlotBits; }
uint32_t NextGeneration(uint32_t g) { return (g & kGenerationMask) == kGenerationMask ? 1 : g + 1; }

int64_t BytesPerSecond(const SoundFileInfo& info) { return int64_t(info.sampleRate) * info.channels * 2; }

} // namespace

bool SoundSystemBase::Init(int mixRate) {
    if (initialized_) return true;
    if (mixRate <= 0) mixRate = 44100;
    initialized_ = OpenDevice(mixRate);
    return initialized_;
}

bool SoundSystemBase::Start() { return initialized_; }

void SoundSystemBase::Free() {
    for (uint32_t slot = 0; slot < channels_.size(); ++slot) {
        ChannelRec& c = channels_[slot];
        if (!c.live) continue;
        VoiceStop(c);
        ReleaseVoice(c);
        ReleaseChannelSlot(slot);
    }
    for (uint32_t slot = 0; slot < samples_.size(); ++slot) {
        SampleRec& s = samples_[slot];
        if (!s.live) continue;
        ReleaseSampleData(s);
        s.live = false;
        s.generation = NextGeneration(s.generation);
        s.channels.clear();
        s.path.clear();
        freeSampleSlots_.push_back(slot);
    }
    if (initialized_) CloseDevice();
    initialized_ = false;
}

SoundSystemBase::ChannelRec* SoundSystemBase::FindChannel(ChannelHandle handle) {
    if (!handle) return nullptr;
    uint32_t slot = SlotOf(handle.id);
    if (slot >= channels_.size()) return nullptr;
    ChannelRec& c = channels_[slot];
    return c.live && c.generation == GenerationOf(handle.id) ? &c : nullptr;
}

SoundSystemBase::SampleRec* SoundSystemBase::FindSample(SampleHandle handle) {
    if (!handle) return nullptr;
    uint32_t slot = SlotOf(handle.id);
    if (slot >= samples_.size()) return nullptr;
    SampleRec& s = samples_[slot];
    return s.live && s.generation == GenerationOf(handle.id) ? &s : nullptr;
}

uint32_t SoundSystemBase::AllocChannelSlot() {
    if (!freeChannelSlots_.empty()) {
        uint32_t slot = freeChannelSlots_.back();
        freeChannelSlots_.pop_back();
        return slot;
    }
    if (channels_.size() >= kMaxSlots) return kMaxSlots;
    channels_.emplace_back();
    return uint32_t(channels_.size() - 1);
}

uint32_t SoundSystemBase::AllocSampleSlot() {
    if (!freeSampleSlots_.empty()) {
        uint32_t slot = freeSampleSlots_.back();
        freeSampleSlots_.pop_back();
        return slot;
    }
    if (samples_.size() >= kMaxSlots) return kMaxSlots;
    samples_.emplace_back();
    return uint32_t(samples_.size() - 1);
}

void SoundSystemBase::ReleaseChannelSlot(uint32_t slot) {
    ChannelRec& c = channels_[slot];
    uint32_t generation = NextGeneration(c.generation);
    c = ChannelRec{};
    c.generation = generation;
    freeChannelSlots_.push_back(slot);
}

void SoundSystemBase::MarkEnded(ChannelRec& channel) {
    channel.state = ChannelState::Stopped;
    channel.framePos = 0.0;
}

void SoundSystemBase::StopChannel(ChannelRec& channel) {
    VoiceStop(channel);
    MarkEnded(channel);
}

void SoundSystemBase::LogUnreadable(const std::string& path, const std::string& error) {
    if (error.empty()) return; // a missing file is an ordinary empty sound
    EngineLog().Add("{@15}Sound file{*30.}: " + path + " cannot be read: " + error);
}

SampleHandle SoundSystemBase::SampleLoad(const std::string& path, int maxChannels, bool loop,
                                         bool overrideLongest) {
    if (!initialized_) return {};
    uint32_t slot = AllocSampleSlot();
    if (slot == kMaxSlots) return {};
    SampleRec& s = samples_[slot];
    s.path = ResolvePath(path);
    s.info = {};
    s.maxChannels = std::max(1, maxChannels);
    s.loop = loop;
    s.overrideLongest = overrideLongest;
    s.channels.clear();
    s.channels.reserve(size_t(std::min(s.maxChannels, 64)));
    s.backend = 0;
    std::string error;
    if (!LoadSampleData(s, error) || s.info.frames <= 0 || s.info.sampleRate <= 0 || s.info.channels <= 0) {
        LogUnreadable(s.path, error);
        ReleaseSampleData(s);
        s.path.clear();
        freeSampleSlots_.push_back(slot);
        return {};
    }
    s.live = true;
    return SampleHandle{MakeId(slot, s.generation)};
}

ChannelHandle SoundSystemBase::SampleGetChannel(SampleHandle sample) {
    SampleRec* s = FindSample(sample);
    if (!s) return {};
    uint32_t sampleSlot = SlotOf(sample.id);
    ChannelRec* longest = nullptr;
    for (uint32_t slot : s->channels) {
        ChannelRec& c = channels_[slot];
        VoiceRefresh(c);
        if (c.state == ChannelState::Stopped) return ChannelHandle{MakeId(slot, c.generation)};
        if (!longest || c.startSerial < longest->startSerial) longest = &c;
    }
    if (int(s->channels.size()) < s->maxChannels) {
        uint32_t slot = AllocChannelSlot();
        if (slot == kMaxSlots) return {};
        s = &samples_[sampleSlot]; // the slot table may have moved
        ChannelRec& c = channels_[slot];
        c.live = true;
        c.sampleSlot = sampleSlot;
        c.info = s->info;
        c.loop = s->loop;
        c.frequency = s->info.sampleRate;
        if (!CreateVoice(c, *s)) {
            ReleaseChannelSlot(slot);
            return {};
        }
        VoiceApply(c);
        s->channels.push_back(slot);
        return ChannelHandle{MakeId(slot, c.generation)};
    }
    if (!s->overrideLongest || !longest) return {};
    StopChannel(*longest);
    return ChannelHandle{MakeId(uint32_t(longest - channels_.data()), longest->generation)};
}

bool SoundSystemBase::SampleStop(SampleHandle sample) {
    SampleRec* s = FindSample(sample);
    if (!s) return false;
    for (uint32_t slot : s->channels) StopChannel(channels_[slot]);
    return true;
}

ChannelState SoundSystemBase::SampleIsActive(SampleHandle sample) {
    SampleRec* s = FindSample(sample);
    if (!s) return ChannelState::Stopped;
    ChannelState result = ChannelState::Stopped;
    for (uint32_t slot : s->channels) {
        ChannelRec& c = channels_[slot];
        VoiceRefresh(c);
        if (c.state == ChannelState::Playing) return ChannelState::Playing;
        if (c.state == ChannelState::Paused) result = ChannelState::Paused;
    }
    return result;
}

bool SoundSystemBase::ChannelPlay(ChannelHandle channel, bool restart) {
    ChannelRec* c = FindChannel(channel);
    if (!c) return false;
    VoiceRefresh(*c);
    if (c->state == ChannelState::Playing && !restart) return true;
    bool fromStart = restart || c->state == ChannelState::Stopped;
    if (fromStart) {
        if (c->state != ChannelState::Stopped) VoiceStop(*c);
        c->framePos = 0.0;
        c->startSerial = ++startSerial_;
    }
    c->state = ChannelState::Playing;
    VoiceStart(*c, fromStart);
    return true;
}

bool SoundSystemBase::ChannelPause(ChannelHandle channel) {
    ChannelRec* c = FindChannel(channel);
    if (!c) return false;
    VoiceRefresh(*c);
    if (c->state != ChannelState::Playing) return false;
    VoicePause(*c);
    c->state = ChannelState::Paused;
    return true;
}

bool SoundSystemBase::ChannelStop(ChannelHandle channel) {
    ChannelRec* c = FindChannel(channel);
    if (!c) return false;
    StopChannel(*c);
    return true;
}

ChannelState SoundSystemBase::ChannelIsActive(ChannelHandle channel) {
    ChannelRec* c = FindChannel(channel);
    if (!c) return ChannelState::Stopped;
    VoiceRefresh(*c);
    return c->state;
}

bool SoundSystemBase::ChannelSetAttributes(ChannelHandle channel, std::optional<int> frequency,
                                           std::optional<float> volume, std::optional<float> pan) {
    ChannelRec* c = FindChannel(channel);
    if (!c) return false;
    bool valid = true;
    if (frequency) {
        if (*frequency == 0) c->frequency = c->info.sampleRate;
        else if (*frequency > 0) c->frequency = std::clamp(*frequency, kMinFrequency, kMaxFrequency);
        else valid = false;
    }
    if (volume) {
        if (std::isfinite(*volume)) c->volume = std::clamp(*volume, 0.0f, 1.0f);
        else valid = false;
    }
    if (pan) {
        if (std::isfinite(*pan)) c->pan = std::clamp(*pan, -1.0f, 1.0f);
        else valid = false;
    }
    VoiceApply(*c);
    return valid;
}

int64_t SoundSystemBase::ChannelGetLength(ChannelHandle channel) {
    ChannelRec* c = FindChannel(channel);
    if (!c) return 0;
    return c->info.frames * c->info.channels * 2;
}

double SoundSystemBase::ChannelBytes2Seconds(ChannelHandle channel, int64_t bytes) {
    ChannelRec* c = FindChannel(channel);
    if (!c || BytesPerSecond(c->info) <= 0) return 0.0;
    return double(bytes) / double(BytesPerSecond(c->info));
}

ChannelInfo SoundSystemBase::ChannelGetInfo(ChannelHandle channel) {
    ChannelInfo info;
    ChannelRec* c = FindChannel(channel);
    if (!c) return info;
    VoiceRefresh(*c);
    info.exists = true;
    info.isStream = c->isStream;
    if (!c->isStream) {
        const SampleRec& s = samples_[c->sampleSlot];
        info.sample = SampleHandle{MakeId(c->sampleSlot, s.generation)};
        info.path = s.path;
    } else {
        info.path = c->path;
    }
    info.state = c->state;
    info.loop = c->loop;
    info.frequency = c->frequency;
    info.volume = c->volume;
    info.pan = c->pan;
    info.position = c->info.sampleRate > 0 ? c->framePos / c->info.sampleRate : 0.0;
    info.length = c->info.Seconds();
    return info;
}

ChannelHandle SoundSystemBase::StreamCreateFile(const std::string& path) {
    if (!initialized_) return {};
    uint32_t slot = AllocChannelSlot();
    if (slot == kMaxSlots) return {};
    ChannelRec& c = channels_[slot];
    c.live = true;
    c.isStream = true;
    c.path = ResolvePath(path);
    std::string error;
    if (!OpenStreamData(c, error) || c.info.sampleRate <= 0 || c.info.channels <= 0) {
        LogUnreadable(c.path, error);
        ReleaseVoice(c);
        ReleaseChannelSlot(slot);
        return {};
    }
    c.frequency = c.info.sampleRate;
    VoiceApply(c);
    return ChannelHandle{MakeId(slot, c.generation)};
}

bool SoundSystemBase::StreamFree(ChannelHandle stream) {
    ChannelRec* c = FindChannel(stream);
    if (!c || !c->isStream) return false;
    VoiceStop(*c);
    ReleaseVoice(*c);
    ReleaseChannelSlot(uint32_t(c - channels_.data()));
    return true;
}

void SoundSystemBase::Update(double elapsedSeconds) {
    if (!initialized_) return;
    Advance(std::isfinite(elapsedSeconds) && elapsedSeconds > 0 ? elapsedSeconds : 0.0);
}

std::vector<ChannelHandle> SoundSystemBase::Channels() {
    std::vector<ChannelHandle> result;
    for (uint32_t slot = 0; slot < channels_.size(); ++slot)
        if (channels_[slot].live) result.push_back(ChannelHandle{MakeId(slot, channels_[slot].generation)});
    return result;
}

} // namespace zw
