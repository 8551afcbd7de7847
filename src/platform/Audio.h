#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

// Tunes on the default output device: several sounds at once, each with its
// own volume, each played once or looping without a gap at the seam. Every
// call comes from the UI thread; only the end callback runs elsewhere.
class Audio {
public:
    using Sound = uint32_t;
    // Runs on the audio thread, so it may only hand the news on.
    using EndCallback = std::function<void()>;

    virtual ~Audio() = default;

    // Opens the default output device; false when there is none (no device,
    // no sound server, no working backend). After a false every call is
    // harmless: open() gives nothing and the queries say "not playing".
    virtual bool init() = 0;
    // Closes the device again; sounds still open are closed with it.
    virtual void uninit() = 0;

    // Reads an MP3 file and makes a stopped sound of it at full volume;
    // nothing when the file is missing, unreadable or not decodable.
    virtual std::optional<Sound> open(const QString& path, bool loop) = 0;
    // Called once when a sound that does not loop has played to its end.
    virtual void setEndCallback(Sound sound, EndCallback onAudioThread) = 0;
    // False when the sound cannot play.
    virtual bool start(Sound sound) = 0;
    // The sound goes silent at once.
    virtual void stop(Sound sound) = 0;
    // Forgets the sound; its number means nothing afterwards.
    virtual void close(Sound sound) = 0;
    virtual bool isPlaying(Sound sound) = 0;
    // Whether the sound has played to its end.
    virtual bool atEnd(Sound sound) = 0;
    // A linear factor, 0 silent to 1 as recorded; applies at once.
    virtual void setVolume(Sound sound, float factor) = 0;
};

} // namespace platform
