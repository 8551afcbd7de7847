// The translations shipped beside the program, read through CTranslate the way
// the program reads them: complete, well formed, and short enough for the
// controls that show them.
#include "core/CTranslate.h"
#include "platform/IniFile.h"
#include "support/FakePlatform.h"
#include "vocabulary/TextIds.h"

#include <QComboBox>
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
#include <ostream>
#include <vector>

namespace {

const QString kBin = QStringLiteral(YULAVIN_BIN_DIR);
const QString kProductName = QStringLiteral("Yulavin");

struct Language {
    const char* english;
    const char* native;
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.english;
}

const Language kLanguages[] = {
    {"Russian", "Русский"},
    {"German", "Deutsch"},
    {"Polish", "Polski"},
    {"French", "Français"},
};

QString languagePath(const Language& language)
{
    return kBin + QLatin1Char('/') + QLatin1String(language.english) + QStringLiteral(".lng");
}

// Every text of one language as the program holds it after choosing that
// language.
std::vector<QString> LoadTexts(const QString& language)
{
    CTranslate translate;
    translate.LoadLanguage(language);
    return translate.m_arrText;
}

void CopyShippedLanguageFiles(const FakePlatform& services)
{
    QDir().mkpath(services.programDir());
    const QStringList names = QDir(kBin).entryList({QStringLiteral("*.lng")}, QDir::Files);
    for (const QString& name : names)
        QFile::copy(kBin + QLatin1Char('/') + name,
                    services.programDir() + QLatin1Char('/') + name);
}

class LanguageFile : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        CopyShippedLanguageFiles(services);
        english = LoadTexts(QStringLiteral("English"));
        texts = LoadTexts(QLatin1String(GetParam().english));
        ASSERT_EQ(english.size(), kTextCount);
        ASSERT_EQ(texts.size(), kTextCount);
    }

    QString text(unsigned id) const { return texts.at(id); }

    FakePlatform services;
    std::vector<QString> english;
    std::vector<QString> texts;
};

TEST_P(LanguageFile, IsShippedUnderItsEnglishNameAndListedUnderItsOwn)
{
    const Language language = GetParam();
    ASSERT_TRUE(QFile::exists(languagePath(language)));
    const platform::IniFile file(languagePath(language));
    EXPECT_EQ(file.value("Language", "lang_en", "?"), QString::fromUtf8(language.english));
    EXPECT_EQ(file.value("Language", "lang_native", "?"), QString::fromUtf8(language.native));

    CTranslate translate;
    QComboBox list;
    translate.FillLanguageList(&list, QString::fromUtf8(language.english));
    EXPECT_EQ(list.currentText(), QString::fromUtf8(language.native));
    QString chosen;
    translate.GetSelectedLanguage(&list, chosen);
    EXPECT_EQ(chosen, QString::fromUtf8(language.english));
}

TEST_P(LanguageFile, HasEveryTextOnceAndNothingElse)
{
    QFile file(languagePath(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QString section;
    std::map<QString, int> seen;
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            section = line;
            continue;
        }
        const QString key = line.section(QLatin1Char('='), 0, 0);
        ++seen[section + QLatin1Char('/') + key];
    }
    std::map<QString, int> expected = {{"[Language]/lang_en", 1}, {"[Language]/lang_native", 1}};
    for (unsigned id = 0; id < kTextCount; ++id)
        expected[QStringLiteral("[Text]/%1").arg(id)] = 1;
    EXPECT_EQ(seen, expected);

    for (unsigned id = 0; id < kTextCount; ++id) {
        if (!english[id].isEmpty()) {
            EXPECT_FALSE(text(id).trimmed().isEmpty()) << "text " << id;
        }
    }
}

TEST_P(LanguageFile, IsPlainUtf8ThatMeansWhatItSays)
{
    QFile file(languagePath(GetParam()));
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

    for (const QString& line : decoded.split(QLatin1Char('\n'))) {
        for (const QChar c : line)
            EXPECT_FALSE(c.category() == QChar::Other_Control) << line.toStdString();
        bool isId = false;
        const unsigned id = line.section(QLatin1Char('='), 0, 0).toUInt(&isId);
        if (!isId)
            continue;
        // The reader trims blanks and strips a pair of enclosing quotes; a
        // value it would change is not what the file seems to say.
        const QString value = line.section(QLatin1Char('='), 1);
        EXPECT_EQ(value, text(id)) << "text " << id;
    }
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

TEST_P(LanguageFile, KeepsMarkersAndLineBreaksOfTheEnglishTexts)
{
    for (unsigned id = 0; id < kTextCount; ++id) {
        EXPECT_EQ(Markers(text(id)), Markers(english[id])) << "text " << id;
        // A lone ampersand would turn the next letter into a shortcut in tab
        // captions; a doubled one shows as one ampersand.
        QString rest = text(id);
        rest.remove(QStringLiteral("&&"));
        EXPECT_FALSE(rest.contains(QLatin1Char('&'))) << "text " << id;
    }
}

TEST_P(LanguageFile, KeepsNamesThatAreNotTranslated)
{
    for (unsigned id = 0; id < kTextCount; ++id)
        EXPECT_EQ(text(id).count(kProductName), english[id].count(kProductName)) << "text " << id;
    EXPECT_TRUE(text(0).endsWith(QStringLiteral(" 3.5")));
    EXPECT_TRUE(text(10).contains(QStringLiteral("Windows")));
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
// The tabs of a Windows 10 desktop; older ones add the Logon tab.
const TextIds kTabs = [] {
    TextIds tabs(std::begin(kFirstTabTexts), std::end(kFirstTabTexts));
    tabs.insert(tabs.end(), {kFrostTabText, kAboutTabText});
    return tabs;
}();
const TextIds kTrayMenu = {kTraySettingsText, kTrayHelpText, kTrayUpdateText, kTrayAboutText,
                           kTrayExitText};

// The entries of one list must be told apart.
TEST_P(LanguageFile, ListEntriesDiffer)
{
    TextIds tabs = kTabs;
    tabs.push_back(kLogonTabText);
    for (const TextIds& list : {kGarlands, kFlashModes, kSnowTypes, kCursorEffects, kTrees, kTunes,
                                kBackgroundSounds, kLogonPictures, tabs, kTrayMenu}) {
        QSet<QString> captions;
        for (unsigned id : list) {
            EXPECT_FALSE(captions.contains(text(id))) << "text " << id;
            captions.insert(text(id));
        }
    }
}

// Where a text is shown, for the room it has there.
enum class Control { Label, CheckBox, GroupBox, Button, ListEntry, Tab };

// Pixels a control keeps beside its caption, measured on Qt's Fusion style
// with the dialog font: the box of a check box or radio button, the margins of
// a group box's title and of a push button, the frame and arrow of a closed
// drop-down list, a tab's icon and padding.
double Inset(Control control)
{
    switch (control) {
    case Control::Label:
        return 0;
    case Control::CheckBox:
        return 20;
    case Control::GroupBox:
    case Control::Button:
        return 16;
    case Control::ListEntry:
        return 25;
    case Control::Tab:
        return 45;
    }
    return 0;
}

// The pages' controls in dialog units (4 horizontal units are 6 pixels), with
// the lines their height holds; where a text appears in several controls the
// narrowest counts.
struct Place {
    Control control;
    int dluWidth;
    int lines;
    TextIds ids;
    const char* where;
};

const std::vector<Place>& Places()
{
    using C = Control;
    static const std::vector<Place> places = {
        {C::Label, 38, 1, {9}, "General: language label"},
        {C::Label, 210, 1, {10}, "General: start with Windows"},
        {C::Label, 210, 3, {110}, "General: high-load box"},
        {C::Label, 210, 4, {108}, "General: closing note"},
        {C::Label, 60, 1, {13}, "on/off label"},
        {C::GroupBox, 182, 1, {25, 30, 37, 69}, "left group boxes"},
        {C::CheckBox, 170, 2, {26}, "Lights: random garland"},
        {C::CheckBox, 70, 1, {31, 32}, "Snow: display radio buttons"},
        {C::Label, 80, 1, {31, 32}, "Cursor: display labels"},
        {C::GroupBox, 113, 1, {19}, "Lights: flash group"},
        {C::ListEntry, 71, 1, kFlashModes, "Lights: flash modes"},
        {C::Label, 40, 1, {27, 28}, "slow and fast labels"},
        {C::CheckBox, 92, 2, {29}, "Snow: random wind and density"},
        {C::CheckBox, 170, 1, {29}, "Snow and Tree: random type"},
        {C::ListEntry, 170, 1, kGarlands, "Lights: garlands"},
        {C::Label, 80, 1, {111}, "Snow: accumulate"},
        {C::GroupBox, 103, 1, {34, 35, 36}, "Snow: slider groups"},
        {C::ListEntry, 50, 1, kSnowTypes, "Snow: types"},
        {C::GroupBox, 283, 1, {117}, "Cursor: effect group"},
        {C::ListEntry, 75, 1, kCursorEffects, "Cursor: effects"},
        {C::Label, 40, 1, {115}, "Frost: wait"},
        {C::Label, 75, 1, {116}, "Frost: minutes"},
        {C::GroupBox, 114, 1, {75}, "Tree: speed group"},
        {C::ListEntry, 48, 1, kTrees, "Tree: trees"},
        {C::GroupBox, 298, 1, {51, 52, 55}, "Sound: groups"},
        {C::Button, 50, 1, {53, 67}, "Sound: play and stop"},
        {C::ListEntry, 200, 1, kTunes, "Sound: tunes"},
        {C::ListEntry, 80, 1, kBackgroundSounds, "Sound: background sounds"},
        {C::Label, 46, 1, {78}, "Logon: image label"},
        {C::ListEntry, 60, 1, kLogonPictures, "Logon: pictures"},
        {C::Label, 118, 4, {91}, "Logon: administrator note"},
        {C::Button, 80, 2, {92}, "Logon: restart button"},
        {C::Label, 299, 1, {0}, "About: version"},
    };
    return places;
}

double Pixels(int dialogUnits)
{
    return dialogUnits * 6.0 / 4.0;
}

// Everything but a label shows a doubled ampersand as one.
QString Shown(Control control, const QString& text)
{
    if (control == Control::Label)
        return text;
    QString shown = text;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// The dialog font at 8 points on a 96 DPI screen, as the settings window uses it.
class DialogFont {
public:
    explicit DialogFont(const char* family) : m_family(QString::fromLatin1(family))
    {
        const int dotsPerMeter = qRound(96 / 0.0254);
        m_device.setDotsPerMeterX(dotsPerMeter);
        m_device.setDotsPerMeterY(dotsPerMeter);
        m_font.setFamily(m_family);
        m_font.setPointSizeF(8);
    }

    bool isInstalled() const { return QFontInfo(m_font).family() == m_family; }
    QFontMetricsF metrics() const { return QFontMetricsF(m_font, &m_device); }

private:
    QString m_family;
    QImage m_device{1, 1, QImage::Format_RGB32};
    QFont m_font;
};

struct Extent {
    double width;
    int lines;
};

Extent Measure(const QFontMetricsF& metrics, const QString& text, double room, int lines)
{
    if (lines == 1)
        return {metrics.horizontalAdvance(text), 1};
    const QRectF wrapped = metrics.boundingRect(QRectF(0, 0, room, 1e6), Qt::TextWordWrap, text);
    return {wrapped.width(), qRound(wrapped.height() / metrics.lineSpacing())};
}

bool Fits(const Extent& extent, double room, int lines)
{
    return extent.width <= room + 0.01 && extent.lines <= lines;
}

const char* const kFonts[] = {"Liberation Sans", "DejaVu Sans"};

// The settings window's font. DejaVu Sans, the desktop's usual fallback and a
// tenth wider, is held to the credits link's room and the English tab lengths.
const char* const kDialogFont = "Liberation Sans";

TEST_P(LanguageFile, CaptionsFitTheirControls)
{
    const DialogFont font(kDialogFont);
    ASSERT_TRUE(font.isInstalled()) << kDialogFont;
    const QFontMetricsF metrics = font.metrics();
    for (const Place& place : Places()) {
        const double room = Pixels(place.dluWidth) - Inset(place.control);
        for (unsigned id : place.ids) {
            const Extent translated =
                Measure(metrics, Shown(place.control, text(id)), room, place.lines);
            const Extent original =
                Measure(metrics, Shown(place.control, english[id]), room, place.lines);
            // Where the English text does not fit either, the translation
            // may take as much room as the English one, not more.
            const bool asLongAsEnglish =
                !Fits(original, room, place.lines) &&
                (translated.lines < original.lines ||
                 (translated.lines == original.lines && translated.width <= original.width));
            EXPECT_TRUE(Fits(translated, room, place.lines) || asLongAsEnglish)
                << place.where << ", text " << id << " \"" << text(id).toStdString()
                << "\": " << translated.width << " px in " << translated.lines << " line(s), room "
                << room << " px in " << place.lines;
        }
    }
}

TEST_P(LanguageFile, CreditsLinkFitsTheAboutPage)
{
    // The Russian page puts nineteen spaces before the link to centre it.
    const QString link = (QLatin1String(GetParam().english) == QLatin1String("Russian")
                              ? QString(19, QLatin1Char(' '))
                              : QString()) +
                         text(76);
    for (const char* family : kFonts) {
        const DialogFont font(family);
        ASSERT_TRUE(font.isInstalled()) << family;
        EXPECT_LE(font.metrics().horizontalAdvance(link), Pixels(125)) << family;
    }
}

TEST_P(LanguageFile, TabCaptionsTakeNoMoreRoomThanTheEnglishOnes)
{
    for (const char* family : kFonts) {
        const QFontMetricsF metrics = DialogFont(family).metrics();
        auto width = [&](const QString& caption) {
            return metrics.horizontalAdvance(Shown(Control::Tab, caption));
        };
        double widestEnglish = 0;
        double englishRow = 0;
        double row = 0;
        for (unsigned id : kTabs) {
            widestEnglish = std::max(widestEnglish, width(english[id]));
            englishRow += width(english[id]) + Inset(Control::Tab);
            row += width(text(id)) + Inset(Control::Tab);
        }
        for (unsigned id : kTabs) {
            EXPECT_LE(width(text(id)), widestEnglish * 1.05)
                << family << ", tab text " << id << " \"" << text(id).toStdString() << "\"";
        }
        EXPECT_LE(width(text(77)), widestEnglish * 1.05) << family << ", Logon tab";
        // The row scrolls in every language; keep it about as long as the English one.
        EXPECT_LE(row, englishRow * 1.05) << family;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFile, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language>& shipped) {
                             return std::string(shipped.param.english);
                         });

} // namespace
