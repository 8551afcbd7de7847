#include "core/CTranslate.h"
#include "support/FakePlatform.h"

#include <QComboBox>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

// Language files of every kind a user may drop beside the program.
class CTranslateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        write("de.lng",
              "[Language]\nlang_en=German\nlang_native=Deutsch\n[Text]\n1=Über\n5=Fünf\n");
        write("fr-a.lng", "[Language]\nlang_en=French\nlang_native=Français A\n[Text]\n1=A\n");
        write("fr-b.lng", "[Language]\nlang_en=French\nlang_native=Français B\n[Text]\n1=B\n");
        write("lower.lng", "[Language]\nlang_en=german\n[Text]\n1=from lower\n");
        write("nameless.lng", "[Language]\nlang_native=Nameless\n[Text]\n1=from nameless\n");
        write("empty.lng", "[Language]\nlang_en=\n[Text]\n1=from empty\n");
        write("esc.lng", "[Language]\nlang_en=Escapes\n[Text]\n1=one\\ntwo\n9=a\\tb\n"
                         "11=back\\\\nslash\n13=\n14=\"quoted\"\n15=" +
                             QByteArray(1500, 'w') + "\n");
        QStringEncoder utf16(QStringEncoder::Utf16LE);
        write("ru.lng", "\xFF\xFE" + QByteArray(utf16.encode(QStringLiteral(
                                         "[Language]\r\nlang_en=Russian\r\nlang_native=Русский\r\n"
                                         "[Text]\r\n1=О программе\r\n"))));
        write("pl.lng", "\xEF\xBB\xBF[Language]\nlang_en=Polish\nlang_native=Polski\n"
                        "[Text]\n1=O programie – żółw\n");
        // Files whose last line has no line end, in both encodings; the
        // last has its name on that line.
        write("it.lng", "[Language]\nlang_en=Italian\nlang_native=Italiano\n[Text]\n"
                        "1=Informazioni\n5=Mostra le decorazioni");
        write("uk.lng", "\xFF\xFE" + QByteArray(utf16.encode(QStringLiteral(
                                         "[Language]\r\nlang_en=Ukrainian\r\n"
                                         "lang_native=Українська\r\n[Text]\r\n1=Про програму"))));
        write("nl.lng",
              "[Text]\r\n1=Over\r\n[Language]\r\nlang_native=Nederlands\r\nlang_en=Dutch");
    }
    void write(const QString& name, const QByteArray& text)
    {
        FakePlatform::writeFile(services.programDir() + QLatin1Char('/') + name, text);
    }

    FakePlatform services;
    CTranslate translate{services.system};
};

struct TextCase {
    const char* language;
    unsigned id;
    QString text;
};

class CTranslateTextTest : public CTranslateTest, public ::testing::WithParamInterface<TextCase> {};

// German first, so every row also shows a switch rewriting what German set;
// English and unknown languages take the built-in texts.
TEST_P(CTranslateTextTest, TextComesFromTheFirstFileOfTheLanguageOrEnglish)
{
    translate.LoadLanguage("German");
    translate.LoadLanguage(GetParam().language);
    EXPECT_EQ(translate.m_arrText.at(GetParam().id), GetParam().text);
    EXPECT_EQ(translate.m_arrText.size(), 129u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CTranslateTextTest,
    ::testing::Values(TextCase{"German", 1, "Über"}, TextCase{"German", 11, "General"},
                      TextCase{"French", 1, "A"}, TextCase{"german", 1, "from lower"},
                      TextCase{"Unknown", 1, "from nameless"}, TextCase{"", 1, "from empty"},
                      TextCase{"English", 1, "About"},
                      TextCase{"English", 2,
                               "The program is already running. The icon located in the "
                               "notification area (system tray) near the clock."},
                      TextCase{"Klingon", 5, "Show decorations"},
                      TextCase{"Escapes", 1, "one\ntwo"}, TextCase{"Escapes", 9, "a\tb"},
                      TextCase{"Escapes", 11, "back\\\nslash"}, TextCase{"Escapes", 13, ""},
                      TextCase{"Escapes", 14, "quoted"},
                      TextCase{"Escapes", 15, QString(1023, QLatin1Char('w'))},
                      TextCase{"Russian", 1, "О программе"},
                      TextCase{"Polish", 1, "O programie – żółw"},
                      TextCase{"Italian", 5, "Mostra le decorazioni"},
                      TextCase{"Ukrainian", 1, "Про програму"}, TextCase{"Dutch", 1, "Over"}),
    [](const auto& testCase) {
        return testCase.param.language + std::to_string(testCase.param.id);
    });

TEST_F(CTranslateTest, ListShowsNativeNamesAndSelectsTheLastFileOfTheLanguage)
{
    QComboBox list;
    translate.FillLanguageList(&list, "French");
    EXPECT_EQ(list.count(), 12);
    EXPECT_EQ(list.currentText(), "Français B");
    EXPECT_GE(list.findText("Русский"), 0);
    EXPECT_GE(list.findText("Nederlands"), 0);

    QComboBox unknown;
    translate.FillLanguageList(&unknown, "Klingon");
    EXPECT_EQ(unknown.currentIndex(), -1);
    QString language = "Klingon";
    translate.GetSelectedLanguage(&unknown, language);
    EXPECT_EQ(language, "Klingon");
    unknown.setCurrentIndex(unknown.findText("Deutsch"));
    translate.GetSelectedLanguage(&unknown, language);
    EXPECT_EQ(language, "German");
}

} // namespace
