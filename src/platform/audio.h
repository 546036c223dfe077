// The sound device: OpenAL sources placed in the world or beside the
// listener, a small pool of them reused, and sounds read from files by
// libsndfile. Nothing here waits: a sound is started and left to play.
// Without a device (a server, a failing sound card) or without a sound's
// file, every call does nothing, and the game goes on silent.
#pragma once

#include <string>
#include <vector>

// Opens the default sound device; false when there is none. The sounds
// loaded before are kept but stay silent until loaded again.
bool OpenAudio();
// Stops every sound and releases the device and the sounds.
void CloseAudio();
bool AudioOpen();

// The samples of a sound file, mono, as floats from -1 to 1, and its rate;
// empty when the file is missing or cannot be read. Frames past a cut in
// the file are left out.
struct SoundSamples {
    std::vector<float> samples;
    int rate = 0;
};
SoundSamples ReadSoundFile(const std::string& path);

// Loads a sound file under a number (0 to 63) into the device; false when
// the device is closed or the file gives no sample (that sound stays silent).
bool LoadSound(int number, const std::string& path);

// The loudness of everything, 0 to 1.
void SetAudioGain(float gain);
// Muted, everything playing goes quiet at once, and nothing new is started;
// the loudness comes back unmuted.
void SetAudioMuted(bool muted);
bool AudioMuted();

// The listener: where it stands, where it looks and which way is up.
struct SoundPoint {
    float x = 0, y = 0, z = 0;
};
void PlaceListener(const SoundPoint& position, const SoundPoint& at, const SoundPoint& up);

// A sound playing, or 0 for none. A voice ends by itself unless it loops.
using Voice = unsigned;
struct SoundStart {
    int number = 0;
    SoundPoint position;
    bool atListener = false;  // heard beside the listener wherever it looks
    float gain = 1;
    float pitch = 1;
    bool loop = false;
};
Voice PlaySound(const SoundStart& start);
// Moves a voice and changes its pitch; nothing when it has ended.
void MoveVoice(Voice voice, const SoundPoint& position, float pitch);
void StopVoice(Voice voice);
// Stops every voice.
void StopAllVoices();
// Whether the voice still plays.
bool VoicePlaying(Voice voice);
