#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace platform {

// Tune playback on the default output device.
class Audio {
public:
    using Sound = int;

    virtual ~Audio() = default;

    // False when no output device can be opened; every sound then stays silent.
    virtual bool init() = 0;
    // Opens and decodes an MP3 file; nullopt when it cannot be played.
    virtual std::optional<Sound> open(const QString& path, bool loop) = 0;
    // Called once when a non-looping sound ends, on the audio thread.
    virtual void setEndCallback(Sound sound, std::function<void()> onAudioThread) = 0;
    virtual bool start(Sound sound) = 0;
    virtual void stop(Sound sound) = 0;
    virtual void close(Sound sound) = 0;
    virtual bool isPlaying(Sound sound) = 0;
    virtual bool atEnd(Sound sound) = 0;
    // Linear factor 0..1, applies at once.
    virtual void setVolume(Sound sound, float factor) = 0;
};

} // namespace platform
