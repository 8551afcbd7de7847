#include "core/CTranslate.h"
#include "support/FakePlatform.h"

#include <QComboBox>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

const QString kAlreadyRunning = QStringLiteral(
    "The program is already running. The icon located in the notification area (system tray) "
    "near the clock.");

class CTranslateTest : public ::testing::Test {
protected:
    void writeLanguage(const QString& name, const QByteArray& text)
    {
        FakePlatform::writeFile(services.programDir() + QLatin1Char('/') + name, text);
    }

    FakePlatform services;
};

TEST_F(CTranslateTest, EnglishWithoutAnyFileGivesTheBuiltInTexts)
{
    CTranslate translate;
    translate.LoadLanguage("English");
    ASSERT_EQ(translate.m_arrText.size(), 129u);
    EXPECT_EQ(translate.m_arrText.at(0), "Version 3.5");
    EXPECT_EQ(translate.m_arrText.at(2), kAlreadyRunning);
    EXPECT_EQ(translate.m_arrText.at(12), "Lights && Garlands");
    for (const QString& text : translate.m_arrText)
        EXPECT_FALSE(text.isEmpty());
    EXPECT_THROW(translate.m_arrText.at(129), std::out_of_range);
}

TEST_F(CTranslateTest, AFileForTheLanguageIsUsedAndMissingKeysStayEnglish)
{
    writeLanguage("English.lng", "[Language]\nlang_en=English\nlang_native=English\n[Text]\n1=Info\n");
    writeLanguage("German.lng", "[Language]\nlang_en=German\nlang_native=Deutsch\n[Text]\n1=Über\n");
    CTranslate translate;
    translate.LoadLanguage("English");
    EXPECT_EQ(translate.m_arrText.at(1), "Info");
    translate.LoadLanguage("German");
    EXPECT_EQ(translate.m_arrText.at(1), "Über");
    EXPECT_EQ(translate.m_arrText.at(11), "General");
}

TEST_F(CTranslateTest, AnotherLanguageAloneLeavesEnglishInPlace)
{
    writeLanguage("German.lng", "[Language]\nlang_en=German\n[Text]\n1=Über\n");
    CTranslate translate;
    translate.LoadLanguage("English");
    EXPECT_EQ(translate.m_arrText.at(1), "About");
}

TEST_F(CTranslateTest, NamesMatchExactlyAndMissingNamesAreUnknown)
{
    writeLanguage("a.lng", "[Language]\nlang_native=Nameless\n[Text]\n1=from a\n");
    writeLanguage("b.lng", "[Language]\nlang_en=\n[Text]\n1=from b\n");
    writeLanguage("c.lng", "[Language]\nlang_en=german\n[Text]\n1=from c\n");
    CTranslate translate;
    translate.LoadLanguage("Unknown");
    EXPECT_EQ(translate.m_arrText.at(1), "from a");
    translate.LoadLanguage("");
    EXPECT_EQ(translate.m_arrText.at(1), "from b");
    translate.LoadLanguage("German");
    EXPECT_EQ(translate.m_arrText.at(1), "About");
}

TEST_F(CTranslateTest, TwoFilesOfOneLanguageLoadTheFirstAndSelectTheLast)
{
    writeLanguage("b.lng", "[Language]\nlang_en=French\nlang_native=Français B\n[Text]\n1=B\n");
    writeLanguage("A.lng", "[Language]\nlang_en=French\nlang_native=Français A\n[Text]\n1=A\n");
    CTranslate translate;
    translate.LoadLanguage("French");
    EXPECT_EQ(translate.m_arrText.at(1), "A");

    QComboBox list;
    translate.FillLanguageList(&list, "French");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.itemText(0), "Français A");
    EXPECT_EQ(list.currentIndex(), 1);
}

TEST_F(CTranslateTest, EscapesBecomeTabsAndLineFeeds)
{
    writeLanguage("x.lng", "[Language]\nlang_en=X\n[Text]\n"
                           "1=one\\ntwo\n"
                           "9=a\\tb\n"
                           "11=back\\\\nslash\n"
                           "13=\n"
                           "14=\"quoted\"\n");
    CTranslate translate;
    translate.LoadLanguage("X");
    EXPECT_EQ(translate.m_arrText.at(1), "one\ntwo");
    EXPECT_EQ(translate.m_arrText.at(9), "a\tb");
    EXPECT_EQ(translate.m_arrText.at(11), "back\\\nslash");
    EXPECT_EQ(translate.m_arrText.at(13), "");
    EXPECT_EQ(translate.m_arrText.at(14), "quoted");
}

TEST_F(CTranslateTest, LongValuesAreCutTo1023Characters)
{
    writeLanguage("x.lng", "[Language]\nlang_en=X\n[Text]\n1=" + QByteArray(1500, 'w') + "\n");
    CTranslate translate;
    translate.LoadLanguage("X");
    EXPECT_EQ(translate.m_arrText.at(1).size(), 1023);
}

TEST_F(CTranslateTest, ReadsUtf16AndUtf8Files)
{
    QStringEncoder utf16(QStringEncoder::Utf16LE);
    QByteArray wide = "\xFF\xFE";
    wide += utf16.encode(QStringLiteral("[Language]\r\nlang_en=Russian\r\nlang_native=Русский\r\n"
                                        "[Text]\r\n1=О программе\r\n"));
    writeLanguage("Russian.lng", wide);
    writeLanguage("Polish.lng", "\xEF\xBB\xBF[Language]\nlang_en=Polish\nlang_native=Polski\n"
                                "[Text]\n1=O programie – żółw\n");
    CTranslate translate;
    translate.LoadLanguage("Russian");
    EXPECT_EQ(translate.m_arrText.at(1), "О программе");
    translate.LoadLanguage("Polish");
    EXPECT_EQ(translate.m_arrText.at(1), "O programie – żółw");

    QComboBox list;
    translate.FillLanguageList(&list, "Russian");
    EXPECT_EQ(list.itemText(list.currentIndex()), "Русский");
}

TEST_F(CTranslateTest, SwitchingLanguagesRewritesEveryText)
{
    writeLanguage("de.lng", "[Language]\nlang_en=German\n[Text]\n5=Fünf\n");
    writeLanguage("fr.lng", "[Language]\nlang_en=French\n[Text]\n6=Six\n");
    CTranslate translate;
    translate.LoadLanguage("German");
    EXPECT_EQ(translate.m_arrText.at(5), "Fünf");
    translate.LoadLanguage("French");
    EXPECT_EQ(translate.m_arrText.at(5), "Show decorations");
    EXPECT_EQ(translate.m_arrText.size(), 129u);
}

TEST_F(CTranslateTest, SelectedEntryNamesItsLanguageAndNoSelectionChangesNothing)
{
    writeLanguage("de.lng", "[Language]\nlang_en=German\nlang_native=Deutsch\n");
    writeLanguage("fr.lng", "[Language]\nlang_en=French\nlang_native=Français\n");
    CTranslate translate;
    QComboBox list;
    translate.FillLanguageList(&list, "Klingon");
    EXPECT_EQ(list.currentIndex(), -1);

    QString language = "Klingon";
    translate.GetSelectedLanguage(&list, language);
    EXPECT_EQ(language, "Klingon");

    list.setCurrentIndex(1);
    translate.GetSelectedLanguage(&list, language);
    EXPECT_EQ(language, "French");
}

} // namespace
