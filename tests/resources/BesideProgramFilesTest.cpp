#include "core/CTranslate.h"
#include "core/ProgramResources.h"
#include "support/FakePlatform.h"

#include <QComboBox>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString kBin = QStringLiteral(YULAVIN_BIN_DIR);

TEST(BesideProgramFiles, EnglishLanguageFileHoldsEveryText)
{
    FakePlatform services;
    QFile::copy(kBin + "/English.lng", services.programDir() + "/English.lng");
    CTranslate translate;
    QComboBox list;
    translate.FillLanguageList(&list, "English");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.currentText(), "English");
    translate.LoadLanguage("English");
    ASSERT_EQ(translate.m_arrText.size(), 129u);
    for (unsigned id = 0; id < 129; ++id)
        EXPECT_EQ(translate.m_arrText.at(id), LoadResourceString(id)) << "text " << id;
}

TEST(BesideProgramFiles, LogonPicturesAndPreviews)
{
    const QStringList names = {"blue",       "blue_tree",     "bokeh",       "decoration",
                               "green_tree", "hot_chocolate", "in_the_snow", "ornament",
                               "picture",    "santa_skating", "snow",        "snowfall",
                               "snowman",    "tree"};
    for (const QString& name : names) {
        const QImage picture(kBin + "/logon/" + name + ".jpg");
        EXPECT_EQ(picture.size(), QSize(1920, 1080)) << name.toStdString();
        const QImage preview(kBin + "/logon/" + name + "_preview.jpg");
        EXPECT_FALSE(preview.isNull()) << name.toStdString();
        EXPECT_NEAR(double(preview.width()) / preview.height(), 16.0 / 9.0, 0.02);
    }
}

TEST(BesideProgramFiles, CreditsPagesInBothLanguages)
{
    for (const char* name : {"credits_en.html", "credits_ru.html"}) {
        QFile page(kBin + "/" + name);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << name;
        const QByteArray html = page.readAll();
        EXPECT_TRUE(html.contains("charset=\"utf-8\"") || html.contains("charset=utf-8")) << name;
        for (const char* part : {"Qt", "pugixml", "mpg123", "SDL", "LAME", "Liberation"})
            EXPECT_TRUE(html.contains(part)) << name << " lacks " << part;
    }
}

} // namespace
