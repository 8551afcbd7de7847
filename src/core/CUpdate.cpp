#include "core/CUpdate.h"

#include "core/CTranslate.h"
#include "core/FileVersion.h"
#include "core/MakerSite.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Http.h"
#include "platform/Registry.h"
#include "platform/Scheduler.h"
#include "platform/Shell.h"

#include <QStringDecoder>
#include <QUrl>

#include <limits>
#include <optional>

namespace {

const QString kKey = QStringLiteral("Software\\Varnel\\Yulavin");
const QString kValue = QStringLiteral("LastUpdateCheck");
const QString kUserAgent = QStringLiteral("Quentrel");
const QString kProductName = QStringLiteral("Yulavin");
constexpr unsigned kNewVersionText = 93;

bool IsBlank(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// The number at the start of the text as the C runtime reads one: blanks
// skipped, an optional sign, the digits up to the first other character,
// held to the type's range; nullopt when there are no digits.
template <class Integer> std::optional<Integer> LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i == text.size() || text[i] < u'0' || text[i] > u'9')
        return std::nullopt;
    // Counted on the negative side, which holds one more number.
    constexpr Integer lowest = std::numeric_limits<Integer>::min();
    Integer value = 0;
    bool clamped = false;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const Integer digit = text[i].unicode() - u'0';
        if (value < (lowest + digit) / 10) {
            clamped = true;
            continue;
        }
        value = value * 10 - digit;
    }
    if (negative)
        return clamped ? lowest : value;
    if (clamped || value == lowest)
        return std::numeric_limits<Integer>::max();
    return -value;
}

// A version field as _wtoi reads it, cut to 16 bits.
uint32_t VersionField(const QString& field)
{
    return static_cast<uint32_t>(LeadingNumber<int32_t>(field).value_or(0)) & 0xFFFFu;
}

// The field at that place between vertical bars; empty past the last one.
QString ExtractSubString(const QString& text, int index)
{
    const QStringList fields = text.split(QLatin1Char('|'));
    return index < fields.size() ? fields[index] : QString();
}

} // namespace

CUpdate::CUpdate(UpdateCheckParameter parameter, std::stop_token stop)
    : m_hWnd(parameter.owner), m_services(parameter.services), m_pTranslate(parameter.translate),
      m_strLanguage(parameter.language), m_stop(std::move(stop))
{
}

CUpdate::~CUpdate() = default;

void CUpdate::Check(const QString& strUrl)
{
    if (!IsCheckDue())
        return;
    const FileVersion version = ProgramFileVersion();
    const uint32_t dwCurrentHigh = version.dwFileVersionMS;
    const uint32_t dwCurrentLow = version.dwFileVersionLS;

    const platform::Http::Reply reply =
        m_services.http->fetchFirstBytes(strUrl, kUserAgent, kMaxFileBytes, m_stop);
    switch (reply.status) {
    case platform::Http::Reply::Status::OpenFailed:
        OnCheckFailed(dwCurrentHigh, dwCurrentLow);
        return;
    case platform::Http::Reply::Status::ReadFailed:
        return;
    case platform::Http::Reply::Status::Ok:
        break;
    }
    if (reply.body.isEmpty()) {
        OnCheckFailed(dwCurrentHigh, dwCurrentLow);
        return;
    }

    // The text ends at the first NUL byte, and a byte-order mark stays part
    // of the first field.
    QByteArray bytes = reply.body.left(kMaxFileBytes);
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        bytes.truncate(nul);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder(bytes);
    const uint32_t major = VersionField(ExtractSubString(text, 0));
    const uint32_t minor = VersionField(ExtractSubString(text, 1));
    const uint32_t dwNewHigh = (major << 16) | minor;
    if (dwNewHigh > dwCurrentHigh) {
        QString strDownloadUrl = ExtractSubString(text, 2);
        OnNewVersion(dwCurrentHigh, dwCurrentLow, dwNewHigh, 0, strDownloadUrl);
    } else {
        OnNoNewVersion(dwCurrentHigh, dwCurrentLow);
    }
}

void CUpdate::OnNewVersion(uint32_t, uint32_t, uint32_t, uint32_t, QString& strDownloadUrl)
{
    // The question is asked on the UI thread, which owns the texts and the
    // windows; it waits there without holding up the settings window or the
    // decorations.
    const platform::Platform services = m_services;
    m_services.scheduler->post([owner = m_hWnd, services, translate = m_pTranslate,
                                page = DownloadPageAddress(strDownloadUrl, m_strLanguage)] {
        // Gone with the program's end: nobody is left to ask.
        if (!owner || !translate)
            return;
        services.dialogs->messageBoxAsync(owner, translate->m_arrText.at(kNewVersionText),
                                          kProductName, platform::Dialogs::Style::YesNoInformation,
                                          [services, page](auto answer) {
                                              if (answer == platform::Dialogs::Answer::Yes)
                                                  services.shell->open(page);
                                          });
    });
}

void CUpdate::OnNoNewVersion(uint32_t, uint32_t) {}

void CUpdate::OnCheckFailed(uint32_t, uint32_t) {}

bool CUpdate::IsCheckDue()
{
    using platform::Registry;
    const int64_t now = m_services.clock->unixTime();
    Registry& registry = *m_services.registry;
    Registry::Value value;
    switch (registry.get(Registry::Root::CurrentUser, kKey, kValue, value)) {
    case Registry::Result::NotFound:
        // The first start only marks the time; the first look comes a week on.
        registry.set(Registry::Root::CurrentUser, kKey, kValue, QString::number(now), true);
        return false;
    case Registry::Result::Error:
        return false;
    case Registry::Result::Ok:
        break;
    }
    // A stored time that is no number counts as long ago, so that a damaged
    // value cannot stop the checks for good.
    const QString* text = std::get_if<QString>(&value);
    const int64_t last = text ? LeadingNumber<int64_t>(*text).value_or(0) : 0;
    // Counted without overflow whatever the stored number: a time in the
    // future (the clock was set back) is due at once.
    if (last <= now && static_cast<uint64_t>(now) - static_cast<uint64_t>(last) <=
                           static_cast<uint64_t>(kCheckPeriod))
        return false;
    registry.set(Registry::Root::CurrentUser, kKey, kValue, QString::number(now), true);
    return true;
}

QString CUpdate::DownloadPageAddress(const QString& strDownloadUrl, const QString& language)
{
    const QString address = strDownloadUrl.trimmed();
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme();
    if (url.isValid() && !url.host().isEmpty() &&
        (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        return address;
    return MakerPageAddress(QStringLiteral("yulavin"), language);
}

unsigned UpdateCheckThreadProc(std::stop_token stop, UpdateCheckParameter parameter)
{
    const QString address = UpdateFileAddress(parameter.language);
    CUpdate update(std::move(parameter), std::move(stop));
    update.Check(address);
    return 0;
}
