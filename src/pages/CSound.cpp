#include "pages/CSound.h"

#include "platform/SystemInfo.h"

#include <QCoreApplication>

#include <algorithm>

CSound::CSound(const platform::Platform& services)
    : m_engine(*services.audio), m_bEngineReady(m_engine.init()), m_system(*services.system),
      m_scheduler(*services.scheduler)
{
}

CSound::~CSound()
{
    if (!m_bEngineReady)
        return;
    for (auto& [key, item] : m_sounds)
        m_engine.close(item->sound);
    m_sounds.clear();
    m_engine.uninit();
}

void CSound::Play(const QString& name, const QString& key, QWidget* notify, bool loop)
{
    if (!m_bEngineReady)
        return;
    Stop(key);

    // The tunes live beside the program.
    const QString program = m_system.programPath();
    const QString path =
        program.left(program.lastIndexOf(u'/')) + u'/' + name + QStringLiteral(".mp3");

    auto item = std::make_unique<SOUND_ITEM>();
    item->hwndNotify = notify;
    const std::optional<platform::Audio::Sound> sound = m_engine.open(path, loop);
    if (!sound)
        return;
    item->sound = *sound;
    if (notify && !loop) {
        m_engine.setEndCallback(item->sound, [scheduler = &m_scheduler, window = item->hwndNotify] {
            SoundEndCallback(*scheduler, window);
        });
    }
    if (!m_engine.start(item->sound)) {
        m_engine.close(item->sound);
        return;
    }
    item->started = true;
    m_sounds.emplace(key, std::move(item));
}

void CSound::Stop(const QString& key)
{
    if (!m_bEngineReady)
        return;
    const auto it = m_sounds.find(key);
    if (it == m_sounds.end())
        return;
    m_engine.stop(it->second->sound);
    m_engine.close(it->second->sound);
    m_sounds.erase(it);
}

bool CSound::IsPlaying(const QString& key) const
{
    if (!m_bEngineReady)
        return false;
    const auto it = m_sounds.find(key);
    return it != m_sounds.end() && m_engine.isPlaying(it->second->sound);
}

bool CSound::IsAtEnd(const QString& key) const
{
    if (!m_bEngineReady)
        return true;
    const auto it = m_sounds.find(key);
    return it == m_sounds.end() || m_engine.atEnd(it->second->sound);
}

void CSound::SetVolume(const QString& key, unsigned value)
{
    if (!m_bEngineReady)
        return;
    const auto it = m_sounds.find(key);
    if (it == m_sounds.end())
        return;
    m_engine.setVolume(it->second->sound,
                       std::clamp(static_cast<float>(value) / 1000.0f, 0.0f, 1.0f));
}

void CSound::SoundEndCallback(platform::Scheduler& uiThread, const QPointer<QWidget>& notify)
{
    uiThread.post([notify] {
        if (notify) {
            QEvent event(MM_MCINOTIFY);
            QCoreApplication::sendEvent(notify, &event);
        }
    });
}
