#pragma once

#include "platform/Audio.h"

#include <map>
#include <memory>
#include <vector>

namespace platform {

// Tunes through SDL's audio device, which reaches PipeWire, PulseAudio or
// ALSA, whichever the desktop runs. libmpg123 decodes each sound on the audio
// thread as it plays, gapless, from the file's bytes read at open(); the sounds
// are mixed here with a volume of their own. A loop goes back to its first
// sample within the same buffer, so the seam has neither gap nor click, and a
// volume change glides over one buffer instead of stepping.
class SdlAudio final : public Audio {
public:
    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // The format everything is decoded to and mixed in; SDL converts it to
    // whatever the device wants.
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    bool init() override;
    void uninit() override;
    std::optional<Sound> open(const QString& path, bool loop) override;
    void setEndCallback(Sound sound, EndCallback onAudioThread) override;
    bool start(Sound sound) override;
    void stop(Sound sound) override;
    void close(Sound sound) override;
    bool isPlaying(Sound sound) override;
    bool atEnd(Sound sound) override;
    void setVolume(Sound sound, float factor) override;

private:
    struct Voice;

    static void fillBuffer(void* self, unsigned char* stream, int length);
    // On the audio thread, with the device locked.
    void mix(float* out, size_t frames);
    // Decodes up to `frames` frames of the voice into m_scratch; a loop starts
    // over at its end, a sound that ends is marked so. Returns the frames made.
    size_t render(Voice& voice, size_t frames);
    Voice* find(Sound sound) const;

    uint32_t m_device = 0;
    Sound m_nextSound = 1;
    // Changed only on the UI thread, with the device locked.
    std::map<Sound, std::unique_ptr<Voice>> m_voices;
    // The audio thread's own.
    std::vector<float> m_scratch;
};

} // namespace platform
