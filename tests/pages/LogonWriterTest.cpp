#include "SettingsWindowFixture.h"

#include "pages/CDlgTabLogon.h"
#include "pages/CoverFit.h"
#include "pages/JpegQuality.h"
#include "platform/FileRegistry.h"

#include <QFileInfo>
#include <QImage>

namespace {

using platform::Registry;

// Seeded noise round one colour; amplitude 0 is the plain colour.
QImage noise(QSize size, int amplitude)
{
    QImage image(size, QImage::Format_RGB32);
    uint32_t state = 7;
    const auto next = [&state, amplitude] {
        state = state * 1664525u + 1013904223u;
        return amplitude ? static_cast<int>((state >> 16) % uint32_t(amplitude)) - amplitude / 2
                         : 0;
    };
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(90 + next(), 140 + next(), 180 + next() / 2));
    return image;
}

TEST(CoverFit, FillsTheTargetCentredAndCutsOffEquallyOnBothSides)
{
    const struct {
        QSize picture, target;
        QRect placed;
    } cases[] = {
        // 4:3 on 16:9: as wide as the screen, 180 rows cut at the top and bottom.
        {{1024, 768}, {1920, 1080}, {0, -180, 1920, 1440}},
        {{1280, 720}, {1920, 1080}, {0, 0, 1920, 1080}},
        {{2560, 1080}, {1920, 1080}, {-320, 0, 2560, 1080}},
        // One pixel either way; offsets and sizes are cut toward zero.
        {{1024, 768}, {1, 1}, {0, 0, 1, 1}},
        {{1, 1}, {1920, 1080}, {0, -420, 1920, 1920}},
        {{3, 2}, {2, 2}, {0, 0, 3, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CoverFitRect(c.picture, c.target), c.placed)
            << c.picture.width() << "x" << c.picture.height() << " on " << c.target.width();
}

TEST(JpegQuality, ReEncodesInPlaceAndLeavesAFileItCannotReadAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("backgroundDefault.jpg");
    ASSERT_TRUE(noise({320, 240}, 64).save(path, "jpeg", 100));
    const qint64 before = QFileInfo(path).size();
    SaveJpegQuality(path, 10);
    EXPECT_EQ(QImage(path).size(), QSize(320, 240));
    EXPECT_LT(QFileInfo(path).size(), before / 4);
    // Not a picture, with a file left by a pass cut short: neither comes in.
    FakePlatform::writeFile(path, "not a picture");
    FakePlatform::writeFile(path + "_", "left over");
    SaveJpegQuality(path, 10);
    EXPECT_EQ(FakePlatform::readFile(path), "not a picture");
    EXPECT_FALSE(QFile::exists(path + "_"));
}

// The writer on the fake services: pictures in the logon folder beside the
// program, the emulated Windows folder and the registry file in the test's.
class LogonWriterTest : public SettingsWindowFixture {
protected:
    LogonWriterTest()
    {
        QDir().mkpath(logonFolder());
        page.m_saveJpegQuality = [this](const QString& path, uint32_t quality) {
            passes.push_back({quality, QFileInfo(path).size()});
            SaveJpegQuality(path, quality);
        };
    }

    QString logonFolder() const { return services.programDir() + "/logon"; }
    QString picture() const { return logonFolder() + "/blue.jpg"; }
    QString bitmapXP() const { return logonFolder() + "/backgroundDefault.bmp"; }
    QString jpegSeven() const
    {
        return services.system.m_windowsDir +
               "/System32/oobe/info/backgrounds/backgroundDefault.jpg";
    }
    // XP's or 7's value as the registry file holds it; empty when none.
    QString value(bool xp)
    {
        Registry::Value found;
        if (services.registry().get(
                xp ? Registry::Root::Users : Registry::Root::LocalMachine,
                xp ? ".DEFAULT\\Control Panel\\Desktop"
                   : "Software\\Microsoft\\Windows\\CurrentVersion\\Authentication\\LogonUI\\"
                     "Background",
                xp ? "wallpaper" : "OEMBackground", found) != Registry::Result::Ok)
            return {};
        const auto* number = std::get_if<uint32_t>(&found);
        return number ? QString::number(*number) : std::get<QString>(found);
    }

    struct Pass {
        uint32_t quality;
        qint64 sizeBefore;
    };
    std::vector<Pass> passes;
    CDlgTabLogon page{PageContext{app.m_options, app.m_translate, services.services(), {}},
                      nullptr};
};

class LogonWriterVersionTest : public LogonWriterTest,
                               public ::testing::WithParamInterface<bool> {};

TEST_P(LogonWriterVersionTest, InstallsAndRemovesTheFileAndTheValue)
{
    const bool xp = GetParam();
    services.system.setVersion(xp ? 5 : 6, 1);
    services.desktop.m_primary = {1024, 768};
    const QString installed = xp ? bitmapXP() : jpegSeven();
    const QString on = xp ? bitmapXP() : "1";
    // Off with nothing installed changes nothing; a missing picture gives
    // no file, but the value.
    page.ApplyLogonImage(picture(), false);
    EXPECT_FALSE(QFile::exists(services.configDir() + "/Varnel/Yulavin/registry.ini"));
    page.ApplyLogonImage(picture(), true);
    EXPECT_FALSE(QFile::exists(installed));
    EXPECT_EQ(value(xp), on);

    ASSERT_TRUE(noise({800, 450}, 0).save(picture(), "jpeg"));
    page.ApplyLogonImage(picture(), true);
    EXPECT_EQ(FakePlatform::readFile(installed).left(2), xp ? "BM" : "\xff\xd8");
    const QImage shown(installed);
    EXPECT_EQ(shown.size(), QSize(1024, 768));
    EXPECT_NEAR(qBlue(shown.pixel(512, 384)), 180, 3);
    EXPECT_TRUE(passes.empty());
    page.ApplyLogonImage(picture(), false);
    EXPECT_FALSE(QFile::exists(installed));
    EXPECT_EQ(value(xp), "");
    EXPECT_TRUE(services.dialogs.m_shown.empty());
}

INSTANTIATE_TEST_SUITE_P(XPAndSeven, LogonWriterVersionTest, ::testing::Bool());

TEST_F(LogonWriterTest, OnlyPicturesOfTheLogonFolderAreInstalled)
{
    services.system.setVersion(5, 1);
    const QString elsewhere = services.programDir() + "/elsewhere";
    FakePlatform::writeFile(elsewhere + "/backgroundDefault.bmp", "kept");
    ASSERT_TRUE(noise({64, 36}, 0).save(elsewhere + "/blue.jpg", "jpeg"));
    for (const QString& path : {elsewhere + "/blue.jpg", logonFolder() + "/../elsewhere/blue.jpg",
                                QString("blue.jpg"), QString()}) {
        page.ApplyLogonImage(path, true);
        page.ApplyLogonImage(path, false);
    }
    EXPECT_EQ(FakePlatform::readFile(elsewhere + "/backgroundDefault.bmp"), "kept");
    EXPECT_EQ(value(true), "");
}

TEST_F(LogonWriterTest, XPUsesTheWindowsFolderWhileTheLogonFolderIsClosed)
{
    services.system.setVersion(5, 1);
    ASSERT_TRUE(noise({64, 36}, 0).save(picture(), "jpeg"));
    QFile::setPermissions(logonFolder(), QFile::ReadOwner | QFile::ExeOwner);
    page.ApplyLogonImage(picture(), true);
    QFile::setPermissions(logonFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString emulated = services.system.m_windowsDir + "/Yulavin/logon/backgroundDefault.bmp";
    EXPECT_TRUE(QFile::exists(emulated));
    EXPECT_FALSE(QFile::exists(bitmapXP()));
    EXPECT_EQ(value(true), emulated);
}

TEST_F(LogonWriterTest, SevenShrinksALargeFileStepByStepUntilItFits)
{
    // Grainy noise on a full-HD screen is too large at first; each pass takes
    // the last one's file five steps lower until one is small enough.
    services.system.setVersion(6, 1);
    ASSERT_TRUE(noise({1920, 1080}, 34).save(picture(), "jpeg", 100));
    page.ApplyLogonImage(picture(), true);
    ASSERT_GE(passes.size(), 2u);
    ASSERT_LT(passes.size(), 20u);
    for (size_t i = 0; i < passes.size(); ++i) {
        EXPECT_EQ(passes[i].quality, 95 - 5 * i);
        EXPECT_GE(passes[i].sizeBefore, 256000);
    }
    EXPECT_LT(QFileInfo(jpegSeven()).size(), 256000);
    EXPECT_EQ(QImage(jpegSeven()).size(), QSize(1920, 1080));
}

TEST_F(LogonWriterTest, SevenGivesUpAfterQualityZeroAndLeavesTheFile)
{
    // An encoder that cannot make the file any smaller: twenty passes, from
    // 95 down to 0, then the file stays as it is.
    services.system.setVersion(6, 1);
    services.desktop.m_primary = {1280, 720};
    ASSERT_TRUE(noise({1280, 720}, 256).save(picture(), "jpeg", 100));
    QByteArray before;
    std::vector<uint32_t> qualities;
    page.m_saveJpegQuality = [&](const QString& path, uint32_t quality) {
        before = FakePlatform::readFile(path);
        qualities.push_back(quality);
    };
    page.ApplyLogonImage(picture(), true);
    EXPECT_EQ(qualities, (std::vector<uint32_t>{95, 90, 85, 80, 75, 70, 65, 60, 55, 50,
                                                45, 40, 35, 30, 25, 20, 15, 10, 5,  0}));
    EXPECT_EQ(FakePlatform::readFile(jpegSeven()), before);
}

} // namespace
