#pragma once

#include "platform/Audio.h"

#include <QSet>
#include <QString>

#include <map>
#include <vector>

// An output device that plays nothing but remembers every sound: which file,
// looping or not, its volume, whether it plays. A test ends a sound as the
// audio thread would (finish) and chooses which files cannot be played and
// whether there is a device at all.
class FakeAudio final : public platform::Audio {
public:
    struct FakeSound {
        QString path;
        bool loop = false;
        bool playing = false;
        bool ended = false;
        bool closed = false;
        float volume = 1.0f;
        EndCallback onEnd;
    };

    bool init() override
    {
        m_initialised = m_hasDevice;
        return m_hasDevice;
    }
    void uninit() override { m_initialised = false; }
    std::optional<Sound> open(const QString& path, bool loop) override
    {
        if (!m_initialised || m_unplayable.contains(path))
            return std::nullopt;
        FakeSound sound;
        sound.path = path;
        sound.loop = loop;
        m_sounds.push_back(std::move(sound));
        return static_cast<Sound>(m_sounds.size() - 1);
    }
    void setEndCallback(Sound sound, EndCallback onAudioThread) override
    {
        m_sounds.at(sound).onEnd = std::move(onAudioThread);
    }
    bool start(Sound sound) override { return m_sounds.at(sound).playing = m_startWorks; }
    void stop(Sound sound) override { m_sounds.at(sound).playing = false; }
    void close(Sound sound) override
    {
        m_sounds.at(sound).playing = false;
        m_sounds.at(sound).closed = true;
    }
    bool isPlaying(Sound sound) override { return m_sounds.at(sound).playing; }
    bool atEnd(Sound sound) override { return m_sounds.at(sound).ended; }
    void setVolume(Sound sound, float factor) override { m_sounds.at(sound).volume = factor; }

    // The sound has played to its end; its callback runs as the audio thread
    // would run it.
    void finish(Sound sound)
    {
        FakeSound& s = m_sounds.at(sound);
        s.playing = false;
        s.ended = true;
        if (s.onEnd)
            s.onEnd();
    }

    // Every sound ever opened, in order; a sound's number is its place here.
    const std::vector<FakeSound>& sounds() const { return m_sounds; }
    // The sounds that play now.
    std::vector<const FakeSound*> playing() const
    {
        std::vector<const FakeSound*> result;
        for (const FakeSound& s : m_sounds)
            if (s.playing)
                result.push_back(&s);
        return result;
    }

    void setHasDevice(bool hasDevice) { m_hasDevice = hasDevice; }
    void setStartWorks(bool works) { m_startWorks = works; }
    void makeUnplayable(const QString& path) { m_unplayable.insert(path); }
    bool initialised() const { return m_initialised; }

private:
    bool m_hasDevice = true;
    bool m_startWorks = true;
    bool m_initialised = false;
    QSet<QString> m_unplayable;
    std::vector<FakeSound> m_sounds;
};
