#include "platform/sound/openal/OpenAlSoundSystem.h"

#include "platform/sound/openal/OpenAlStream.h"
#include "platform/sound/openal/SndfileAudio.h"
#include "shell/ZwLog.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <cmath>
#include <memory>

namespace zw {

namespace {

struct Voice {
    ALuint source = 0;
    std::unique_ptr<OpenAlStream> stream;
};

template <class Rec> Voice* VoiceOf(const Rec& channel) { return reinterpret_cast<Voice*>(channel.backend); }

ALuint NewSource() {
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) return 0;
    // Sounds sit round the listener, placed only by pan: no distance fading.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    return source;
}

const char* DeviceName(ALCdevice* device) {
    const ALCchar* name = alcGetString(device, ALC_DEVICE_SPECIFIER);
    return name ? name : "?";
}

} // namespace

OpenAlSoundSystem::~OpenAlSoundSystem() { Free(); }

bool OpenAlSoundSystem::ProbeDevice(std::string& why) {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) {
        why = "the default output cannot be opened";
        return false;
    }
    alcCloseDevice(device);
    return true;
}

bool OpenAlSoundSystem::OpenDevice(int mixRate) {
    device_ = alcOpenDevice(nullptr);
    if (device_) {
        const ALCint attributes[] = {ALC_FREQUENCY, mixRate, 0};
        context_ = alcCreateContext(device_, attributes);
        if (context_ && alcMakeContextCurrent(context_)) {
            alDistanceModel(AL_NONE);
            EngineLog().Add(std::string("{@15}Sound device{*30.}: ") + DeviceName(device_) + ", " +
                            std::to_string(mixRate) + " Hz");
            return true;
        }
    }
    if (!loggedFailure_)
        EngineLog().Add("{@15}Sound device{*30.}: none can be opened, the game runs silent");
    loggedFailure_ = true;
    CloseDevice();
    return false;
}

void OpenAlSoundSystem::CloseDevice() {
    alcMakeContextCurrent(nullptr);
    if (context_) alcDestroyContext(context_);
    if (device_) alcCloseDevice(device_);
    context_ = nullptr;
    device_ = nullptr;
}

bool OpenAlSoundSystem::LoadSampleData(SampleRec& sample, std::string& error) {
    std::vector<int16_t> pcm;
    if (!DecodeMono16(sample.path, pcm, sample.info, error)) return false;
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, AL_FORMAT_MONO16, pcm.data(), ALsizei(pcm.size() * 2), ALsizei(sample.info.sampleRate));
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        error = "the sound device refused its data";
        return false;
    }
    sample.backend = buffer;
    return true;
}

void OpenAlSoundSystem::ReleaseSampleData(SampleRec& sample) {
    ALuint buffer = ALuint(sample.backend);
    if (buffer) alDeleteBuffers(1, &buffer);
    sample.backend = 0;
}

bool OpenAlSoundSystem::CreateVoice(ChannelRec& channel, const SampleRec& sample) {
    ALuint source = NewSource();
    if (!source) return false;
    alSourcei(source, AL_BUFFER, ALint(sample.backend));
    alSourcei(source, AL_LOOPING, sample.loop ? AL_TRUE : AL_FALSE);
    auto* voice = new Voice;
    voice->source = source;
    channel.backend = reinterpret_cast<uintptr_t>(voice);
    return true;
}

bool OpenAlSoundSystem::OpenStreamData(ChannelRec& channel, std::string& error) {
    ALuint source = NewSource();
    if (!source) {
        error = "no sound sources left";
        return false;
    }
    auto* voice = new Voice;
    voice->source = source;
    voice->stream = std::make_unique<OpenAlStream>(source);
    channel.backend = reinterpret_cast<uintptr_t>(voice);
    if (!voice->stream->Open(channel.path, error)) return false;
    channel.info = voice->stream->Info();
    return true;
}

void OpenAlSoundSystem::ReleaseVoice(ChannelRec& channel) {
    Voice* voice = VoiceOf(channel);
    if (!voice) return;
    alSourceStop(voice->source);
    voice->stream.reset(); // its buffers go before the source
    alSourcei(voice->source, AL_BUFFER, 0);
    alDeleteSources(1, &voice->source);
    delete voice;
    channel.backend = 0;
}

void OpenAlSoundSystem::VoiceStart(ChannelRec& channel, bool fromStart) {
    Voice* voice = VoiceOf(channel);
    if (!voice) return;
    if (!fromStart) {
        alSourcePlay(voice->source);
    } else if (voice->stream) {
        voice->stream->PlayFromStart();
    } else {
        alSourceRewind(voice->source);
        alSourcePlay(voice->source);
    }
}

void OpenAlSoundSystem::VoicePause(ChannelRec& channel) {
    if (Voice* voice = VoiceOf(channel)) alSourcePause(voice->source);
}

void OpenAlSoundSystem::VoiceStop(ChannelRec& channel) {
    Voice* voice = VoiceOf(channel);
    if (!voice) return;
    if (voice->stream) voice->stream->Stop();
    else alSourceStop(voice->source);
}

void OpenAlSoundSystem::VoiceApply(ChannelRec& channel) {
    Voice* voice = VoiceOf(channel);
    if (!voice || channel.info.sampleRate <= 0) return;
    alSourcef(voice->source, AL_PITCH, float(channel.frequency) / float(channel.info.sampleRate));
    alSourcef(voice->source, AL_GAIN, channel.volume);
    float pan = channel.pan;
    alSource3f(voice->source, AL_POSITION, pan, 0.0f, -std::sqrt(1.0f - pan * pan));
}

void OpenAlSoundSystem::VoiceRefresh(ChannelRec& channel) {
    Voice* voice = VoiceOf(channel);
    if (!voice || channel.state == ChannelState::Stopped) return;
    if (voice->stream) {
        if (channel.state == ChannelState::Playing && voice->stream->Finished()) MarkEnded(channel);
        else channel.framePos = double(voice->stream->Position());
        return;
    }
    ALint state = 0, offset = 0;
    alGetSourcei(voice->source, AL_SOURCE_STATE, &state);
    if (channel.state == ChannelState::Playing && state == AL_STOPPED) {
        MarkEnded(channel);
        return;
    }
    alGetSourcei(voice->source, AL_SAMPLE_OFFSET, &offset);
    channel.framePos = offset;
}

void OpenAlSoundSystem::Advance(double) {
    for (ChannelRec& c : channels_) {
        if (!c.live || c.state != ChannelState::Playing) continue;
        Voice* voice = VoiceOf(c);
        if (voice && voice->stream && !voice->stream->Refill()) MarkEnded(c);
    }
}

} // namespace zw
