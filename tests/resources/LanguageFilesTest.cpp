// The translations shipped beside the program, read through CTranslate the way
// the program reads them: complete, well formed, and short enough for the
// controls that show them.
#include "core/CTranslate.h"
#include "core/ProgramResources.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

const QString kBin = QStringLiteral(YULAVIN_BIN_DIR);
constexpr unsigned kTextCount = 129;

// Every text of one language as the program holds it after choosing that language.
std::vector<QString> LoadTexts(FakePlatform& services, const QString& language)
{
    CTranslate translate(services.system);
    translate.LoadLanguage(language);
    return translate.m_arrText;
}

void CopyLanguageFiles(const FakePlatform& services)
{
    QDir().mkpath(services.programDir());
    for (const QString& name : QDir(kBin).entryList({QStringLiteral("*.lng")}, QDir::Files))
        QFile::copy(kBin + QLatin1Char('/') + name,
                    services.programDir() + QLatin1Char('/') + name);
}

class LanguageFile : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        CopyLanguageFiles(services);
        english = LoadTexts(services, QStringLiteral("English"));
        texts = LoadTexts(services, QLatin1String(GetParam()));
        ASSERT_EQ(english.size(), kTextCount);
        ASSERT_EQ(texts.size(), kTextCount);
        // The English file the build writes holds the program's own texts.
        for (unsigned id = 0; id < kTextCount; ++id)
            ASSERT_EQ(english[id], LoadResourceString(id)) << "English text " << id;
    }

    QString path() const { return kBin + QStringLiteral("/%1.lng").arg(GetParam()); }
    QString text(unsigned id) const { return texts.at(id); }

    FakePlatform services;
    std::vector<QString> english;
    std::vector<QString> texts;
};

TEST_P(LanguageFile, IsPlainUtf8WithEveryTextOnce)
{
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // No byte-order mark and no carriage returns: the same form as the English
    // file the build writes, and one a diff shows plainly.
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_TRUE(bytes.endsWith('\n'));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    ASSERT_FALSE(utf8.hasError());

    QString section;
    std::map<QString, int> seen;
    for (const QString& line : decoded.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        for (const QChar c : line)
            EXPECT_FALSE(c.category() == QChar::Other_Control) << line.toStdString();
        if (line.startsWith(QLatin1Char('['))) {
            section = line;
            continue;
        }
        const QString key = line.section(QLatin1Char('='), 0, 0);
        ++seen[section + QLatin1Char('/') + key];
        // The reader trims blanks and strips a pair of enclosing quotes; a
        // value it would change is not what the file seems to say.
        bool isId = false;
        if (const unsigned id = key.toUInt(&isId); isId && id < kTextCount) {
            EXPECT_EQ(line.section(QLatin1Char('='), 1), text(id)) << "text " << id;
        }
    }
    std::map<QString, int> expected = {{"[Language]/lang_en", 1}, {"[Language]/lang_native", 1}};
    for (unsigned id = 0; id < kTextCount; ++id) {
        expected[QStringLiteral("[Text]/%1").arg(id)] = 1;
        if (!english[id].isEmpty()) {
            EXPECT_FALSE(text(id).trimmed().isEmpty()) << "text " << id;
        }
    }
    EXPECT_EQ(seen, expected);
}

// Printf-style markers, escapes and line breaks that code relies on, in order.
QStringList Markers(const QString& value)
{
    static const QRegularExpression marker(
        QStringLiteral(R"(%[-+ #0]*\d*(?:\.\d+)?[a-zA-Z%]|\\.|\n|\t)"));
    QStringList found;
    for (auto it = marker.globalMatch(value); it.hasNext();)
        found << it.next().captured();
    return found;
}

TEST_P(LanguageFile, KeepsMarkersAmpersandsAndNamesOfTheEnglishTexts)
{
    for (unsigned id = 0; id < kTextCount; ++id) {
        EXPECT_EQ(Markers(text(id)), Markers(english[id])) << "text " << id;
        // A lone ampersand would turn the next letter into a shortcut in tab
        // captions; a doubled one shows as one ampersand.
        EXPECT_FALSE(QString(text(id)).remove(QStringLiteral("&&")).contains(QLatin1Char('&')))
            << "text " << id;
        EXPECT_EQ(text(id).count(QStringLiteral("Yulavin")), english[id].count("Yulavin"))
            << "text " << id;
    }
    // The note on closing the program names the tray menu's command as the
    // menu shows it in this language.
    EXPECT_TRUE(text(108).contains(text(45)));
    // Tunes are listed beside titles that stay English in every language, so
    // the carols among the translated entries keep their English titles too;
    // only "O Tannenbaum" has a title of its own in each of these languages.
    EXPECT_EQ(text(56), english[56]);
    EXPECT_TRUE(text(59).endsWith(QStringLiteral("We Wish You A Merry Christmas")));
    EXPECT_TRUE(text(60).endsWith(QStringLiteral("Joy To The World")));
    EXPECT_TRUE(text(62).endsWith(QStringLiteral("We Wish You a Merry Christmas")));
}

// The texts of each list the pages fill, in the order they are added.
using TextIds = std::vector<unsigned>;
const TextIds kGarlands = {14, 48, 15, 16, 49, 17, 18, 47, 104, 105, 106};
const TextIds kFlashModes = {20, 21, 22, 23, 24};
const TextIds kSnowTypes = {102, 101, 39, 38, 100, 40};
const TextIds kCursorEffects = {118, 119, 120, 113, 121, 122, 33, 114, 123};
const TextIds kTrees = {71, 74, 72, 70, 73};
const TextIds kTunes = {54, 24, 56, 59, 60, 61, 62, 63, 64};
const TextIds kBackgroundSounds = {54, 65, 66};
const TextIds kLogonPictures = {79, 80, 81, 94, 82, 97, 83, 98, 84, 85, 99, 86, 87, 90};
// The tabs of a Windows 10 desktop; older ones add the Logon tab, text 77.
const TextIds kTabs = {11, 12, 33, 42, 50, 68, 112, 69, 103, 1};
const TextIds kTrayMenu = {41, 43, 44, 1, 45};

TEST_P(LanguageFile, ListEntriesDiffer)
{
    TextIds tabs = kTabs;
    tabs.push_back(77);
    for (const TextIds& list : {kGarlands, kFlashModes, kSnowTypes, kCursorEffects, kTrees, kTunes,
                                kBackgroundSounds, kLogonPictures, tabs, kTrayMenu}) {
        QSet<QString> captions;
        for (unsigned id : list) {
            EXPECT_FALSE(captions.contains(text(id))) << "text " << id;
            captions.insert(text(id));
        }
    }
}

// Where a text is shown, by the pixels the control keeps beside its caption,
// measured on Qt's Fusion style with the dialog font: the box of a check box
// or radio button, the margins of a group box's title and of a push button,
// the frame and arrow of a closed drop-down list, a tab's icon and padding.
constexpr double kLabel = 0, kCheckBox = 20, kGroupBox = 16, kButton = 16, kListEntry = 25,
                 kTab = 45;

// The pages' controls in dialog units (4 horizontal units are 6 pixels), with
// the lines their height holds; where a text appears in several controls the
// narrowest counts.
struct Place {
    double inset;
    int dluWidth;
    int lines;
    TextIds ids;
    const char* where;
};

const Place kPlaces[] = {
    {kLabel, 38, 1, {9}, "General: language label"},
    {kLabel, 210, 1, {10}, "General: start with Windows"},
    {kLabel, 210, 3, {110}, "General: high-load box"},
    {kLabel, 210, 4, {108}, "General: closing note"},
    {kLabel, 60, 1, {13}, "on/off label"},
    {kGroupBox, 182, 1, {25, 30, 37, 69}, "left group boxes"},
    {kCheckBox, 170, 2, {26}, "Lights: random garland"},
    {kCheckBox, 70, 1, {31, 32}, "Snow: display radio buttons"},
    {kLabel, 80, 1, {31, 32}, "Cursor: display labels"},
    {kGroupBox, 113, 1, {19}, "Lights: flash group"},
    {kListEntry, 71, 1, kFlashModes, "Lights: flash modes"},
    {kLabel, 40, 1, {27, 28}, "slow and fast labels"},
    {kCheckBox, 92, 2, {29}, "Snow: random wind and density"},
    {kCheckBox, 170, 1, {29}, "Snow and Tree: random type"},
    {kListEntry, 170, 1, kGarlands, "Lights: garlands"},
    {kLabel, 80, 1, {111}, "Snow: accumulate"},
    {kGroupBox, 103, 1, {34, 35, 36}, "Snow: slider groups"},
    {kListEntry, 50, 1, kSnowTypes, "Snow: types"},
    {kGroupBox, 283, 1, {117}, "Cursor: effect group"},
    {kListEntry, 75, 1, kCursorEffects, "Cursor: effects"},
    {kLabel, 40, 1, {115}, "Frost: wait"},
    {kLabel, 75, 1, {116}, "Frost: minutes"},
    {kGroupBox, 114, 1, {75}, "Tree: speed group"},
    {kListEntry, 48, 1, kTrees, "Tree: trees"},
    {kGroupBox, 298, 1, {51, 52, 55}, "Sound: groups"},
    {kButton, 50, 1, {53, 67}, "Sound: play and stop"},
    {kListEntry, 200, 1, kTunes, "Sound: tunes"},
    {kListEntry, 80, 1, kBackgroundSounds, "Sound: background sounds"},
    {kLabel, 46, 1, {78}, "Logon: image label"},
    {kListEntry, 60, 1, kLogonPictures, "Logon: pictures"},
    {kLabel, 118, 4, {91}, "Logon: administrator note"},
    {kButton, 80, 2, {92}, "Logon: restart button"},
    {kLabel, 299, 1, {0}, "About: version"},
};

// Everything but a label shows a doubled ampersand as one.
QString Shown(double inset, QString text)
{
    return inset == kLabel ? text : text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// The dialog font at 8 points on a 96 DPI screen, as the settings window uses
// it; DejaVu Sans, the desktop's usual fallback and a tenth wider, is held to
// the credits link's room and the English tab lengths.
QFontMetricsF DialogFont(const char* family = "Liberation Sans")
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(96 / 0.0254));
        image.setDotsPerMeterY(qRound(96 / 0.0254));
        return image;
    }();
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(8);
    EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(family)) << "font not installed";
    return QFontMetricsF(font, &device);
}

TEST_P(LanguageFile, CaptionsFitTheirControls)
{
    const QFontMetricsF metrics = DialogFont();
    // Lines and width of a caption in a room of that width.
    const auto measure = [&](const QString& caption, double room, int lines) {
        if (lines == 1)
            return std::pair{1, metrics.horizontalAdvance(caption)};
        const QRectF wrapped =
            metrics.boundingRect(QRectF(0, 0, room, 1e6), Qt::TextWordWrap, caption);
        return std::pair{qRound(wrapped.height() / metrics.lineSpacing()), wrapped.width()};
    };
    for (const Place& place : kPlaces) {
        const double room = place.dluWidth * 6.0 / 4.0 - place.inset;
        const auto fits = [&](std::pair<int, double> extent) {
            return extent.first <= place.lines && extent.second <= room + 0.01;
        };
        for (unsigned id : place.ids) {
            const auto translated = measure(Shown(place.inset, text(id)), room, place.lines);
            const auto original = measure(Shown(place.inset, english[id]), room, place.lines);
            // Where the English text does not fit either, the translation
            // may take as much room as the English one, not more.
            EXPECT_TRUE(fits(translated) || (!fits(original) && translated <= original))
                << place.where << ", text " << id << " \"" << text(id).toStdString()
                << "\": " << translated.second << " px in " << translated.first << " line(s), room "
                << room << " px in " << place.lines;
        }
    }
}

TEST_P(LanguageFile, CreditsLinkAndTabCaptionsFitInEitherFont)
{
    // The Russian page puts nineteen spaces before the link to centre it.
    const QString link =
        (QLatin1String(GetParam()) == QLatin1String("Russian") ? QString(19, ' ') : QString()) +
        text(76);
    for (const char* family : {"Liberation Sans", "DejaVu Sans"}) {
        SCOPED_TRACE(family);
        const QFontMetricsF metrics = DialogFont(family);
        EXPECT_LE(metrics.horizontalAdvance(link), 125 * 6.0 / 4.0);
        const auto width = [&](const QString& caption) {
            return metrics.horizontalAdvance(Shown(kTab, caption));
        };
        double widestEnglish = 0, englishRow = 0, row = 0;
        for (unsigned id : kTabs) {
            widestEnglish = std::max(widestEnglish, width(english[id]));
            englishRow += width(english[id]) + kTab;
            row += width(text(id)) + kTab;
        }
        for (unsigned id : kTabs)
            EXPECT_LE(width(text(id)), widestEnglish * 1.05) << "tab text " << id;
        EXPECT_LE(width(text(77)), widestEnglish * 1.05) << "Logon tab";
        // The row scrolls in every language; keep it about as long as the English one.
        EXPECT_LE(row, englishRow * 1.05);
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFile,
                         ::testing::Values("Russian", "German", "Polish", "French"),
                         [](const auto& testCase) { return std::string(testCase.param); });

} // namespace
