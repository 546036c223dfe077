#include "platform/audio.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {
constexpr int kSoundCount = 64;
constexpr int kSourceCount = 16;
constexpr int kVoiceBits = 5;  // a voice is its source's index + 1 and the source's generation
// Longer files are cut: no sound of the game lasts this long.
constexpr sf_count_t kMaxFrames = 22050 * 20;
// World distances: a car a few cells away is heard fully, one across the
// circuit faintly.
constexpr float kReferenceDistance = 400;
constexpr float kMaxDistance = 6000;

struct Source {
    ALuint id = 0;
    unsigned generation = 0;
    bool loop = false;
};

struct Device {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    std::array<Source, kSourceCount> sources{};
    std::array<ALuint, kSoundCount> buffers{};
    unsigned nextSource = 0;
};
Device audio;
float gainSet = 1;
bool mutedSet = false;

void ApplyGain() {
    if (audio.context) alListenerf(AL_GAIN, mutedSet ? 0.0f : gainSet);
}

bool Playing(const Source& source) {
    ALint state = AL_STOPPED;
    alGetSourcei(source.id, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

Source* SourceOf(Voice voice) {
    if (!audio.context || voice == 0) return nullptr;
    const unsigned index = (voice & ((1u << kVoiceBits) - 1)) - 1;
    if (index >= kSourceCount) return nullptr;
    Source& source = audio.sources[index];
    return source.generation == (voice >> kVoiceBits) ? &source : nullptr;
}

// A source free to play: one that has ended, else the oldest that does
// not loop (a loop stops only when asked).
int FreeSource() {
    for (int i = 0; i < kSourceCount; ++i)
        if (!Playing(audio.sources[i])) return i;
    for (int k = 0; k < kSourceCount; ++k) {
        const int i = static_cast<int>((audio.nextSource + k) % kSourceCount);
        if (!audio.sources[i].loop) {
            audio.nextSource = static_cast<unsigned>(i + 1);
            return i;
        }
    }
    return -1;
}

void ReleaseBuffer(int number) {
    if (audio.buffers[number] && audio.context) alDeleteBuffers(1, &audio.buffers[number]);
    audio.buffers[number] = 0;
}
}  // namespace

bool OpenAudio() {
    if (audio.context) return true;
    audio.device = alcOpenDevice(nullptr);
    if (!audio.device) return false;
    audio.context = alcCreateContext(audio.device, nullptr);
    if (!audio.context || !alcMakeContextCurrent(audio.context)) {
        if (audio.context) alcDestroyContext(audio.context);
        alcCloseDevice(audio.device);
        audio = Device{};
        return false;
    }
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    for (Source& source : audio.sources) {
        alGenSources(1, &source.id);
        alSourcef(source.id, AL_REFERENCE_DISTANCE, kReferenceDistance);
        alSourcef(source.id, AL_MAX_DISTANCE, kMaxDistance);
    }
    audio.buffers.fill(0);
    ApplyGain();
    alGetError();
    return true;
}

void CloseAudio() {
    if (!audio.context) return;
    StopAllVoices();
    for (Source& source : audio.sources) alDeleteSources(1, &source.id);
    for (int i = 0; i < kSoundCount; ++i) ReleaseBuffer(i);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(audio.context);
    alcCloseDevice(audio.device);
    audio = Device{};
}

bool AudioOpen() { return audio.context != nullptr; }

SoundSamples ReadSoundFile(const std::string& path) {
    SoundSamples sound;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) return sound;
    if (info.channels >= 1 && info.channels <= 8 && info.samplerate >= 4000 && info.samplerate <= 192000) {
        const sf_count_t wanted = std::min<sf_count_t>(info.frames, kMaxFrames);
        std::vector<float> frames(static_cast<size_t>(std::max<sf_count_t>(wanted, 0) * info.channels));
        const sf_count_t read = frames.empty() ? 0 : sf_readf_float(file, frames.data(), wanted);
        sound.rate = info.samplerate;
        // The channels mixed into one: a sound is placed in the world by the device.
        for (sf_count_t f = 0; f < read; ++f) {
            float sum = 0;
            for (int c = 0; c < info.channels; ++c) sum += frames[static_cast<size_t>(f * info.channels + c)];
            sound.samples.push_back(std::clamp(sum / static_cast<float>(info.channels), -1.0f, 1.0f));
        }
    }
    sf_close(file);
    if (sound.samples.empty()) sound.rate = 0;
    return sound;
}

bool LoadSound(int number, const std::string& path) {
    if (!audio.context || number < 0 || number >= kSoundCount) return false;
    ReleaseBuffer(number);
    const SoundSamples sound = ReadSoundFile(path);
    if (sound.samples.empty()) return false;
    std::vector<int16_t> pcm(sound.samples.size());
    std::transform(sound.samples.begin(), sound.samples.end(), pcm.begin(),
                   [](float s) { return static_cast<int16_t>(s * 32767.0f); });
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, AL_FORMAT_MONO16, pcm.data(), static_cast<ALsizei>(pcm.size() * sizeof(int16_t)),
                 sound.rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return false;
    }
    audio.buffers[number] = buffer;
    return true;
}

void SetAudioGain(float gain) {
    gainSet = std::clamp(gain, 0.0f, 1.0f);
    ApplyGain();
}

void SetAudioMuted(bool muted) {
    mutedSet = muted;
    ApplyGain();
}

bool AudioMuted() { return mutedSet; }

void PlaceListener(const SoundPoint& position, const SoundPoint& at, const SoundPoint& up) {
    if (!audio.context) return;
    alListener3f(AL_POSITION, position.x, position.y, position.z);
    const ALfloat orientation[6] = {at.x - position.x, at.y - position.y, at.z - position.z, up.x, up.y, up.z};
    alListenerfv(AL_ORIENTATION, orientation);
}

Voice PlaySound(const SoundStart& start) {
    if (!audio.context || mutedSet || start.number < 0 || start.number >= kSoundCount || !audio.buffers[start.number])
        return 0;
    const int index = FreeSource();
    if (index < 0) return 0;
    Source& source = audio.sources[index];
    alSourceStop(source.id);
    alSourcei(source.id, AL_BUFFER, static_cast<ALint>(audio.buffers[start.number]));
    alSourcei(source.id, AL_SOURCE_RELATIVE, start.atListener ? AL_TRUE : AL_FALSE);
    const SoundPoint at = start.atListener ? SoundPoint{} : start.position;
    alSource3f(source.id, AL_POSITION, at.x, at.y, at.z);
    alSourcef(source.id, AL_GAIN, std::clamp(start.gain, 0.0f, 1.0f));
    alSourcef(source.id, AL_PITCH, std::clamp(start.pitch, 0.25f, 4.0f));
    alSourcei(source.id, AL_LOOPING, start.loop ? AL_TRUE : AL_FALSE);
    alSourcePlay(source.id);
    source.loop = start.loop;
    source.generation = (source.generation + 1) & 0xFFFFFF;
    return (source.generation << kVoiceBits) | static_cast<unsigned>(index + 1);
}

void MoveVoice(Voice voice, const SoundPoint& position, float pitch) {
    Source* source = SourceOf(voice);
    if (!source) return;
    alSource3f(source->id, AL_POSITION, position.x, position.y, position.z);
    alSourcef(source->id, AL_PITCH, std::clamp(pitch, 0.25f, 4.0f));
}

void StopVoice(Voice voice) {
    Source* source = SourceOf(voice);
    if (!source) return;
    alSourceStop(source->id);
    source->loop = false;
}

void StopAllVoices() {
    if (!audio.context) return;
    for (Source& source : audio.sources) {
        alSourceStop(source.id);
        source.loop = false;
    }
}

bool VoicePlaying(Voice voice) {
    const Source* source = SourceOf(voice);
    return source && Playing(*source);
}
