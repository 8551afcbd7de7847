#pragma once

#include <QString>

#include <cstdint>

namespace platform {
class Dialogs;
struct Platform;
} // namespace platform

// The program's settings, with their defaults, and the settings file
// "<config>/Varnel/Yulavin/settings.xml". Every part of the program reads and
// writes the fields directly; they reach the file at the next Save().
class COptions {
public:
    // Seeds the random numbers (the random-at-start choices draw from them)
    // and sets the defaults; the file lives in the user's configuration folder.
    explicit COptions(const platform::Platform& services);
    virtual ~COptions();

    // Reads the file once at start-up. A missing or unreadable file keeps the
    // defaults and clears m_bFileRead (first run); a file that is there but
    // not well-formed is moved aside to "settings.xml.bad", and the user told.
    void Load();
    // Where a failed save is told: a message box for the user at the screen,
    // or only the log when the session ends and nobody may be left to answer.
    enum class SaveReport { MessageBox, LogOnly };
    // Writes every setting into the file, keeping whatever else it holds.
    void Save(SaveReport report = SaveReport::MessageBox);

    // The 43 settings, named after their keys in the file.
    bool fAutoRun = true;
    QString Language = QStringLiteral("English");
    bool fDisableAtHighLoad = true;
    int fGarland = 1;
    QString strGarland = QStringLiteral("multicolor");
    bool fGarlandTop = false;
    bool fGarlandRandom = false;
    bool fFlashRandom = false;
    int32_t iFlash = 1;
    int32_t iFlashSpeed = 5;
    bool fTop = false;
    bool fSnow = true;
    QString strSnowType = QStringLiteral("fluffy");
    bool fSnowTypeRandom = false;
    bool fSnowDensityRandom = false;
    uint32_t uSnowDensity = 5;
    bool fSnowWindRandom = false;
    uint32_t uSnowWind = 5;
    uint32_t uSnowSpeed = 5;
    bool fSnowTop = false;
    bool fSnowAcumulate = false;
    bool fCursorEnable = true;
    QString strCursorType = QStringLiteral("FAIRY_DUST");
    bool fCursorTypeRandom = false;
    bool fCursorTop = false;
    int32_t iSoundStartup = 10;
    int32_t iSoundStartupVolume = 30;
    int32_t iSoundEveryHour = 1;
    int32_t iSoundEveryHourVolume = 30;
    int32_t iSoundBackground = 0;
    int32_t iSoundBackgroundVolume = 30;
    bool fTree = false;
    bool fTreeTop = false;
    bool fTreeRandom = false;
    int32_t iTree = 2;
    int32_t iTreeX = -1;
    int32_t iTreeY = -1;
    int32_t iTreeSpeed = 6;
    bool fTreeSpeedRandom = false;
    bool fFrostEnable = false;
    uint32_t uFrostWaitTime = 10;
    bool fLogon = false;
    QString LogonImage = QStringLiteral("blue");

    QString m_strPath;
    bool m_bFileRead = true;

private:
    QString SettingsFolder() const;
    void KeepUnreadableFile();

    QString m_strConfigFolder;
    // Where the load and save failures are reported.
    platform::Dialogs& m_dialogs;
};
