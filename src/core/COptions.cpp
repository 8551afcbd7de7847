#include "core/COptions.h"

#include "core/CXML.h"
#include "core/MessageBox.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/RuntimeLibrary.h"
#include "platform/SystemInfo.h"
#include "vocabulary/CursorEffects.h"
#include "vocabulary/GarlandKeys.h"
#include "vocabulary/SnowKinds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include <array>
#include <variant>

namespace {

enum class Kind {
    Flag,     // 0 or 1; empty or missing keeps the value
    Number,   // signed decimal; empty or missing keeps the value
    Text,     // taken when the element exists
    Language, // always taken: a missing element makes it empty
};

using Member =
    std::variant<bool COptions::*, int32_t COptions::*, uint32_t COptions::*, QString COptions::*>;

// A value drawn instead of the stored one when its "random at start" flag is on.
using Draw = void (*)(COptions&);

struct Setting {
    const char* key;
    Kind kind;
    Member member;
    bool COptions::*randomFlag = nullptr;
    Draw draw = nullptr;
};

template <size_t N> QString pick(const std::array<const char*, N>& keys)
{
    return QString::fromLatin1(keys[static_cast<size_t>(crt::rand()) % N]);
}

// A random snow kind is drawn from the keys in alphabetical order.
constexpr std::array<const char*, 6> kSnowTypes = {kSnowDeep,   kSnowFantasy,   kSnowFine,
                                                   kSnowFluffy, kSnowSparkling, kSnowThick};
constexpr std::array<const char*, 3> kRandomCursors = {kCursorFairyDust, kCursorSnow,
                                                       kCursorStocking};

// The settings in file order: the order of reading, of writing and of the
// random draws.
const Setting kSettings[] = {
    {"fAutoRun", Kind::Flag, &COptions::fAutoRun},
    {"Language", Kind::Language, &COptions::Language},
    {"fDisableAtHighLoad", Kind::Flag, &COptions::fDisableAtHighLoad},
    {"fGarland", Kind::Flag, &COptions::fGarland},
    {"fGarlandTop", Kind::Flag, &COptions::fGarlandTop},
    {"fGarlandRandom", Kind::Flag, &COptions::fGarlandRandom},
    {"strGarland", Kind::Text, &COptions::strGarland, &COptions::fGarlandRandom,
     [](COptions& o) { o.strGarland = pick(kGarlandKeys); }},
    {"fFlashRandom", Kind::Flag, &COptions::fFlashRandom},
    {"iFlash", Kind::Number, &COptions::iFlash, &COptions::fFlashRandom,
     [](COptions& o) { o.iFlash = crt::rand() % 5; }},
    {"iFlashSpeed", Kind::Number, &COptions::iFlashSpeed},
    {"fTop", Kind::Flag, &COptions::fTop},
    {"fSnow", Kind::Flag, &COptions::fSnow},
    {"fSnowTypeRandom", Kind::Flag, &COptions::fSnowTypeRandom},
    {"strSnowType", Kind::Text, &COptions::strSnowType, &COptions::fSnowTypeRandom,
     [](COptions& o) { o.strSnowType = pick(kSnowTypes); }},
    {"fSnowDensityRandom", Kind::Flag, &COptions::fSnowDensityRandom},
    {"uSnowDensity", Kind::Number, &COptions::uSnowDensity, &COptions::fSnowDensityRandom,
     [](COptions& o) { o.uSnowDensity = static_cast<uint32_t>(crt::rand() % 3 + 4); }},
    {"fSnowWindRandom", Kind::Flag, &COptions::fSnowWindRandom},
    {"uSnowWind", Kind::Number, &COptions::uSnowWind, &COptions::fSnowWindRandom,
     [](COptions& o) { o.uSnowWind = static_cast<uint32_t>(crt::rand() % 9 + 1); }},
    {"uSnowSpeed", Kind::Number, &COptions::uSnowSpeed},
    {"fSnowTop", Kind::Flag, &COptions::fSnowTop},
    {"fSnowAcumulate", Kind::Flag, &COptions::fSnowAcumulate},
    {"fCursorEnable", Kind::Flag, &COptions::fCursorEnable},
    {"fCursorTypeRandom", Kind::Flag, &COptions::fCursorTypeRandom},
    {"strCursorType", Kind::Text, &COptions::strCursorType, &COptions::fCursorTypeRandom,
     [](COptions& o) { o.strCursorType = pick(kRandomCursors); }},
    {"fCursorTop", Kind::Flag, &COptions::fCursorTop},
    {"iSoundStartup", Kind::Number, &COptions::iSoundStartup},
    {"iSoundStartupVolume", Kind::Number, &COptions::iSoundStartupVolume},
    {"iSoundEveryHour", Kind::Number, &COptions::iSoundEveryHour},
    {"iSoundEveryHourVolume", Kind::Number, &COptions::iSoundEveryHourVolume},
    {"iSoundBackground", Kind::Number, &COptions::iSoundBackground},
    {"iSoundBackgroundVolume", Kind::Number, &COptions::iSoundBackgroundVolume},
    {"fTree", Kind::Flag, &COptions::fTree},
    {"fTreeTop", Kind::Flag, &COptions::fTreeTop},
    {"fTreeRandom", Kind::Flag, &COptions::fTreeRandom},
    {"iTree", Kind::Number, &COptions::iTree, &COptions::fTreeRandom,
     [](COptions& o) { o.iTree = crt::rand() % 5; }},
    {"iTreeX", Kind::Number, &COptions::iTreeX},
    {"iTreeY", Kind::Number, &COptions::iTreeY},
    {"fTreeSpeedRandom", Kind::Flag, &COptions::fTreeSpeedRandom},
    {"iTreeSpeed", Kind::Number, &COptions::iTreeSpeed, &COptions::fTreeSpeedRandom,
     [](COptions& o) { o.iTreeSpeed = crt::rand() % 10 + 1; }},
    {"fFrostEnable", Kind::Flag, &COptions::fFrostEnable},
    {"uFrostWaitTime", Kind::Number, &COptions::uFrostWaitTime},
    {"fLogon", Kind::Flag, &COptions::fLogon},
    {"LogonImage", Kind::Text, &COptions::LogonImage},
};
static_assert(std::size(kSettings) == 43);

void read(COptions& options, const Setting& setting, const std::optional<QString>& text)
{
    const bool hasText = text && !text->isEmpty();
    std::visit(
        [&](auto member) {
            using Field = std::remove_reference_t<decltype(options.*member)>;
            if constexpr (std::is_same_v<Field, QString>) {
                if (setting.kind == Kind::Language)
                    options.*member = text.value_or(QString());
                else if (text)
                    options.*member = *text;
            } else if (hasText) {
                const int32_t number = crt::wtoi(*text);
                if (setting.kind == Kind::Flag)
                    options.*member = number != 0;
                else
                    options.*member = static_cast<Field>(number);
            }
        },
        setting.member);
}

QString write(const COptions& options, const Setting& setting)
{
    return std::visit(
        [&](auto member) -> QString {
            using Field = std::remove_cvref_t<decltype(options.*member)>;
            if constexpr (std::is_same_v<Field, QString>)
                return options.*member;
            else
                return QString::number(static_cast<int32_t>(options.*member));
        },
        setting.member);
}

} // namespace

COptions::COptions(const platform::Platform& services)
    : m_strConfigFolder(services.system->expandEnvironment(QStringLiteral("%APPDATA%"))),
      m_dialogs(*services.dialogs)
{
    crt::srand(static_cast<uint32_t>(services.clock->unixTime()));
    m_strPath = SettingsFolder() + QStringLiteral("/settings.xml");
}

COptions::~COptions() = default;

QString COptions::SettingsFolder() const
{
    return m_strConfigFolder + QStringLiteral("/Varnel/Yulavin");
}

void COptions::Load()
{
    try {
        CXML xml;
        if (!xml.m_pDoc->load(m_strPath)) {
            m_bFileRead = false;
            KeepUnreadableFile();
            return;
        }
        for (const Setting& setting : kSettings) {
            if (setting.randomFlag && this->*setting.randomFlag) {
                setting.draw(*this);
                continue;
            }
            read(*this, setting,
                 xml.GetValue(QStringLiteral("Options/") + QLatin1String(setting.key)));
        }
    } catch (const wchar_t* text) {
        AfxMessageBox(m_dialogs, QString::fromWCharArray(text));
    }
}

void COptions::KeepUnreadableFile()
{
    // A file that is there but cannot be read as settings (empty, cut short,
    // garbage) may still hold what the user wants back: the save at exit
    // must not destroy it. Only the last such file is kept.
    const QFileInfo file(m_strPath);
    if (!file.isFile() || !file.isReadable())
        return;
    const QString aside = m_strPath + QStringLiteral(".bad");
    if (std::rename(QFile::encodeName(m_strPath).constData(),
                    QFile::encodeName(aside).constData()) != 0)
        return;
    AfxMessageBox(m_dialogs, QStringLiteral("The settings file could not be read, so the settings "
                                            "start from their defaults. The old file was kept as "
                                            "%1.")
                                 .arg(aside));
}

void COptions::Save(SaveReport report)
{
    const QString folder = SettingsFolder();
    // The configuration folder itself may not exist yet on a fresh account.
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/settings.xml");
    try {
        CXML xml;
        if (!xml.m_pDoc->load(path) &&
            !xml.m_pDoc->loadXml(QStringLiteral("<?xml version='1.0'?><Options></Options>")))
            throw L"Unable to load into the XML document.";
        for (const Setting& setting : kSettings)
            xml.SetValue(QLatin1String(setting.key), write(*this, setting));
        if (!xml.m_pDoc->save(path))
            throw L"Unable to save XML document.";
    } catch (const wchar_t* text) {
        if (report == SaveReport::LogOnly)
            qWarning("%s The settings of this session are not stored in %s.",
                     qUtf8Printable(QString::fromWCharArray(text)), qUtf8Printable(path));
        else
            AfxMessageBox(m_dialogs, QString::fromWCharArray(text));
    }
}
