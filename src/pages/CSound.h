#pragma once

#include "platform/Audio.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"

#include <QEvent>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <map>
#include <memory>

// The tune player: the program's MP3 tunes from its own folder, at most one
// sound per key, sounds under different keys mixed together. A tune plays
// once or loops; one that plays once tells the window it was given when it
// has ended. Without a working output device it stays silent for the whole
// run, and no call ever fails.
class CSound final {
public:
    // Posted to a tune's window when the tune has played to its end.
    static constexpr QEvent::Type MM_MCINOTIFY = static_cast<QEvent::Type>(QEvent::User + 0x3B9);

    // Starts the audio engine on the default output device.
    explicit CSound(const platform::Platform& services);
    // Releases every sound, then the engine.
    ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // Plays the tune `name` (the file name without ".mp3") under `key`, cutting
    // off what played under it before; `notify`, when given and the tune does
    // not loop, receives MM_MCINOTIFY at its end.
    void Play(const QString& name, const QString& key, QWidget* notify, bool loop);
    // Stops and forgets the key's sound.
    void Stop(const QString& key);
    bool IsPlaying(const QString& key) const;
    // True when the key has no sound or its sound has played to its end.
    bool IsAtEnd(const QString& key) const;
    // In thousandths of full volume: 0 silent, 1000 and above full.
    void SetVolume(const QString& key, unsigned value);

    // Runs on the audio thread when a tune ends: it only passes the news on
    // to the UI thread, where the window (if it still exists) gets it.
    static void SoundEndCallback(platform::Scheduler& uiThread, const QPointer<QWidget>& notify);

private:
    struct SOUND_ITEM {
        platform::Audio::Sound sound = 0;
        bool started = false;
        QPointer<QWidget> hwndNotify;
    };

    platform::Audio& m_engine;
    bool m_bEngineReady;
    // By key; a key is here only with a sound that started.
    std::map<QString, std::unique_ptr<SOUND_ITEM>> m_sounds;
    platform::SystemInfo& m_system;
    platform::Scheduler& m_scheduler;
};
