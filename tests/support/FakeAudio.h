#pragma once

#include "platform/Audio.h"

#include <QString>

#include <vector>

// An output device that plays nothing but remembers every sound: its file,
// whether it loops and plays, its volume. A test ends a sound as the audio
// thread would (finish).
class FakeAudio final : public platform::Audio {
public:
    struct FakeSound {
        QString path;
        bool loop = false;
        bool playing = false;
        bool ended = false;
        float volume = 1.0f;
        EndCallback onEnd;
    };

    bool init() override { return true; }
    void uninit() override {}
    std::optional<Sound> open(const QString& path, bool loop) override
    {
        m_sounds.push_back({path, loop, false, false, 1.0f, {}});
        return Sound(m_sounds.size() - 1);
    }
    void setEndCallback(Sound sound, EndCallback onAudioThread) override
    {
        m_sounds.at(sound).onEnd = std::move(onAudioThread);
    }
    bool start(Sound sound) override { return m_sounds.at(sound).playing = true; }
    void stop(Sound sound) override { m_sounds.at(sound).playing = false; }
    void close(Sound sound) override { m_sounds.at(sound).playing = false; }
    bool isPlaying(Sound sound) override { return m_sounds.at(sound).playing; }
    bool atEnd(Sound sound) override { return m_sounds.at(sound).ended; }
    void setVolume(Sound sound, float factor) override { m_sounds.at(sound).volume = factor; }

    // The sound has played to its end; its callback runs as on the audio thread.
    void finish(Sound sound)
    {
        FakeSound& s = m_sounds.at(sound);
        s.playing = false;
        s.ended = true;
        if (s.onEnd)
            s.onEnd();
    }
    // Every sound ever opened; a sound's number is its place here.
    const std::vector<FakeSound>& sounds() const { return m_sounds; }
    std::vector<const FakeSound*> playing() const
    {
        std::vector<const FakeSound*> result;
        for (const FakeSound& s : m_sounds)
            if (s.playing)
                result.push_back(&s);
        return result;
    }

private:
    std::vector<FakeSound> m_sounds;
};
