#include "SettingsWindowFixture.h"

#include "pages/CDlgTabLogon.h"
#include "pages/CoverFit.h"
#include "pages/JpegQuality.h"
#include "platform/FileRegistry.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace {

using platform::Registry;

const QString kDesktopKey = QStringLiteral(".DEFAULT\\Control Panel\\Desktop");
const QString kBackgroundKey = QStringLiteral(
    "Software\\Microsoft\\Windows\\CurrentVersion\\Authentication\\LogonUI\\Background");

// A picture of seeded noise round a colour: amplitude 0 is the plain colour.
QImage noise(QSize size, int amplitude, uint32_t seed = 7)
{
    QImage image(size, QImage::Format_RGB32);
    uint32_t state = seed;
    const auto next = [&state](int range) {
        state = state * 1664525u + 1013904223u;
        return range > 0 ? static_cast<int>((state >> 16) % static_cast<uint32_t>(range)) : 0;
    };
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb(std::clamp(90 + next(amplitude) - amplitude / 2, 0, 255),
                           std::clamp(140 + next(amplitude) - amplitude / 2, 0, 255),
                           std::clamp(200 - next(amplitude) / 2, 0, 255));
    }
    return image;
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

TEST(CoverFit, FillsTheTargetCentredAndCutsOffEquallyOnBothSides)
{
    const struct {
        QSize picture, target;
        QRect placed;
    } cases[] = {
        // 4:3 on 16:9: as wide as the screen, 180 rows cut at the top and bottom.
        {{1024, 768}, {1920, 1080}, {0, -180, 1920, 1440}},
        // The screen's own shape fills it exactly.
        {{1280, 720}, {1920, 1080}, {0, 0, 1920, 1080}},
        // Wider than the screen: as high, 320 columns cut at each side.
        {{2560, 1080}, {1920, 1080}, {-320, 0, 2560, 1080}},
        // One pixel either way; offsets and sizes are cut toward zero.
        {{1024, 768}, {1, 1}, {0, 0, 1, 1}},
        {{1, 1}, {1920, 1080}, {0, -420, 1920, 1920}},
        {{3, 2}, {2, 2}, {0, 0, 3, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CoverFitRect(c.picture, c.target), c.placed)
            << c.picture.width() << "x" << c.picture.height() << " on " << c.target.width() << "x"
            << c.target.height();
}

TEST(CoverFit, RenderShowsTheMiddleOfATallerPicture)
{
    // Red top and green bottom bands of 50 rows each on blue: scaled by 0.8,
    // 30 rows go at each end, so 10 rows of each band remain.
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (int y = 0; y < 50; ++y) {
        std::fill_n(reinterpret_cast<QRgb*>(picture.scanLine(y)), 400, qRgb(255, 0, 0));
        std::fill_n(reinterpret_cast<QRgb*>(picture.scanLine(299 - y)), 400, qRgb(0, 255, 0));
    }
    const QImage frame = RenderCoverFit(picture, {320, 180});
    ASSERT_EQ(frame.size(), QSize(320, 180));
    QStringList rows;
    for (int y : {0, 9, 10, 169, 170, 179})
        rows << QColor(frame.pixel(160, y)).name();
    EXPECT_EQ(rows,
              QStringList({"#ff0000", "#ff0000", "#0000ff", "#0000ff", "#00ff00", "#00ff00"}));
    EXPECT_TRUE(RenderCoverFit(QImage(), {320, 180}).isNull());
    EXPECT_TRUE(RenderCoverFit(picture, {0, 180}).isNull());
}

TEST(JpegQuality, ReEncodesInPlaceAndLeavesAFileItCannotReadAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("backgroundDefault.jpg");
    ASSERT_TRUE(noise({320, 240}, 64).save(path, "jpeg", 100));
    const qint64 before = QFileInfo(path).size();
    SaveJpegQuality(path, 10);
    const QImage smaller(path);
    EXPECT_EQ(smaller.size(), QSize(320, 240));
    EXPECT_LT(QFileInfo(path).size(), before / 4);
    EXPECT_FALSE(QFile::exists(path + "_"));

    // Not a picture, and a temporary file left by a pass cut short: both stay
    // out of the file.
    FakePlatform::writeFile(path, "not a picture");
    FakePlatform::writeFile(path + "_", "left over");
    SaveJpegQuality(path, 10);
    EXPECT_EQ(FakePlatform::readFile(path), "not a picture");
    EXPECT_FALSE(QFile::exists(path + "_"));
}

// The writer as the Logon page runs it, on the fake services: pictures in the
// logon folder beside the program, the emulated Windows folder and the
// registry file in the test's folder.
class LogonWriterTest : public SettingsWindowFixture {
protected:
    LogonWriterTest()
    {
        page.m_saveJpegQuality = [this](const QString& path, uint32_t quality) {
            passes.push_back({quality, QFileInfo(path).size()});
            SaveJpegQuality(path, quality);
        };
    }

    QString logonFolder() const { return services.programDir() + "/logon"; }
    QString picture(const QString& name = "blue") const
    {
        return logonFolder() + "/" + name + ".jpg";
    }
    void writePicture(const QImage& image, const QString& name = "blue", int quality = 90)
    {
        QDir().mkpath(logonFolder());
        ASSERT_TRUE(image.save(picture(name), "jpeg", quality));
    }
    QString bitmapXP() const { return logonFolder() + "/backgroundDefault.bmp"; }
    QString jpegWin7() const
    {
        return services.system.m_windowsDir +
               "/System32/oobe/info/backgrounds/backgroundDefault.jpg";
    }
    // The value as the registry file holds it; empty when there is none.
    QString value(Registry::Root root, const QString& key, const QString& name)
    {
        Registry::Value found;
        if (services.registry().get(root, key, name, found) != Registry::Result::Ok)
            return {};
        if (const auto* number = std::get_if<uint32_t>(&found))
            return QStringLiteral("dword %1").arg(*number);
        return std::get<QString>(found);
    }
    QString wallpaperXP() { return value(Registry::Root::Users, kDesktopKey, "wallpaper"); }
    QString oemBackground()
    {
        return value(Registry::Root::LocalMachine, kBackgroundKey, "OEMBackground");
    }

    struct Pass {
        uint32_t quality;
        qint64 sizeBefore;
    };
    std::vector<Pass> passes;
    CDlgTabLogon page{PageContext{app.m_options, app.m_translate, services.services(), {}},
                      nullptr};
};

TEST_F(LogonWriterTest, XPWritesABitmapOfTheScreenBesideThePictureAndRemovesIt)
{
    services.system.setVersion(5, 1);
    services.desktop.m_primary = {1024, 768};
    writePicture(noise({800, 450}, 0));
    page.ApplyLogonImage(picture(), true);
    EXPECT_EQ(FakePlatform::readFile(bitmapXP()).left(2), "BM");
    const QImage bitmap(bitmapXP());
    EXPECT_EQ(bitmap.size(), QSize(1024, 768));
    EXPECT_LT(colourDistance(bitmap.pixel(512, 384), qRgb(90, 140, 200)), 6);
    // Under its own root: the user's key of that name holds nothing.
    EXPECT_EQ(wallpaperXP(), bitmapXP());
    EXPECT_EQ(value(Registry::Root::CurrentUser, kDesktopKey, "wallpaper"), "");

    page.ApplyLogonImage(picture(), false);
    EXPECT_FALSE(QFile::exists(bitmapXP()));
    EXPECT_EQ(wallpaperXP(), "");
    EXPECT_TRUE(QFile::exists(picture()));
}

TEST_F(LogonWriterTest, SevenWritesAJpegOfTheScreenInTheWindowsFolderAndRemovesIt)
{
    services.system.setVersion(6, 1);
    services.desktop.m_primary = {1280, 720};
    writePicture(noise({1024, 768}, 0));
    page.ApplyLogonImage(picture(), true);
    EXPECT_EQ(FakePlatform::readFile(jpegWin7()).left(3), QByteArray("\xff\xd8\xff"));
    EXPECT_EQ(QImage(jpegWin7()).size(), QSize(1280, 720));
    EXPECT_EQ(oemBackground(), "dword 1");
    EXPECT_TRUE(passes.empty());

    page.ApplyLogonImage(picture(), false);
    EXPECT_FALSE(QFile::exists(jpegWin7()));
    EXPECT_EQ(oemBackground(), "");
    EXPECT_FALSE(QFile::exists(bitmapXP()));
}

TEST_F(LogonWriterTest, AMissingPictureWritesNoFileButSetsTheValue)
{
    QDir().mkpath(logonFolder());
    for (const auto& [major, minor] : {std::pair{5, 1}, std::pair{6, 1}}) {
        services.system.setVersion(major, minor);
        page.ApplyLogonImage(picture("snowman"), true);
    }
    EXPECT_FALSE(QFile::exists(bitmapXP()));
    EXPECT_FALSE(QFile::exists(jpegWin7()));
    EXPECT_EQ(wallpaperXP(), bitmapXP());
    EXPECT_EQ(oemBackground(), "dword 1");
}

TEST_F(LogonWriterTest, TurningOffWithNothingInstalledChangesNothing)
{
    writePicture(noise({64, 36}, 0));
    for (const auto& [major, minor] : {std::pair{5, 1}, std::pair{6, 1}}) {
        services.system.setVersion(major, minor);
        page.ApplyLogonImage(picture(), false);
    }
    EXPECT_FALSE(QFile::exists(bitmapXP()));
    EXPECT_FALSE(QFile::exists(jpegWin7()));
    EXPECT_FALSE(QFile::exists(services.configDir() + "/Varnel/Yulavin/registry.ini"));
    EXPECT_TRUE(services.dialogs.m_shown.empty());
}

TEST_F(LogonWriterTest, OnlyPicturesOfTheLogonFolderAreInstalled)
{
    // A path from anywhere else, however it is spelt, writes and removes
    // nothing, on any version.
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
    EXPECT_FALSE(QFile::exists(services.configDir() + "/Varnel/Yulavin/registry.ini"));
}

TEST_F(LogonWriterTest, XPFallsBackToTheWindowsFolderWhenTheLogonFolderIsClosed)
{
    services.system.setVersion(5, 1);
    writePicture(noise({64, 36}, 0));
    QFile::setPermissions(logonFolder(), QFile::ReadOwner | QFile::ExeOwner);
    page.ApplyLogonImage(picture(), true);
    const QString emulated = services.system.m_windowsDir + "/Yulavin/logon/backgroundDefault.bmp";
    EXPECT_TRUE(QFile::exists(emulated));
    EXPECT_FALSE(QFile::exists(bitmapXP()));
    EXPECT_EQ(wallpaperXP(), emulated);
    page.ApplyLogonImage(picture(), false);
    EXPECT_FALSE(QFile::exists(emulated));
    QFile::setPermissions(logonFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(LogonWriterTest, SevenShrinksALargeFileStepByStepUntilItFits)
{
    // Grainy noise on a full-HD screen is too large at first; each pass takes
    // the last one's file five steps lower until one is small enough.
    services.system.setVersion(6, 1);
    services.desktop.m_primary = {1920, 1080};
    writePicture(noise({1920, 1080}, 34), "blue", 100);
    page.ApplyLogonImage(picture(), true);
    ASSERT_GE(passes.size(), 2u);
    ASSERT_LT(passes.size(), 20u);
    for (size_t i = 0; i < passes.size(); ++i) {
        EXPECT_EQ(passes[i].quality, 95 - 5 * i);
        EXPECT_GE(passes[i].sizeBefore, 256000);
    }
    EXPECT_LT(QFileInfo(jpegWin7()).size(), 256000);
    EXPECT_EQ(QImage(jpegWin7()).size(), QSize(1920, 1080));
    EXPECT_FALSE(QFile::exists(jpegWin7() + "_"));
}

TEST_F(LogonWriterTest, SevenGivesUpAfterQualityZeroAndLeavesTheFile)
{
    // An encoder that cannot make the file any smaller: twenty passes, from
    // 95 down to 0, then the file stays as it is.
    services.system.setVersion(6, 1);
    services.desktop.m_primary = {1280, 720};
    writePicture(noise({1280, 720}, 256), "blue", 100);
    QByteArray installed;
    page.m_saveJpegQuality = [&](const QString& path, uint32_t quality) {
        if (installed.isEmpty())
            installed = FakePlatform::readFile(path);
        passes.push_back({quality, QFileInfo(path).size()});
    };
    page.ApplyLogonImage(picture(), true);
    std::vector<uint32_t> qualities;
    for (const Pass& pass : passes)
        qualities.push_back(pass.quality);
    EXPECT_EQ(qualities, (std::vector<uint32_t>{95, 90, 85, 80, 75, 70, 65, 60, 55, 50,
                                                45, 40, 35, 30, 25, 20, 15, 10, 5,  0}));
    EXPECT_EQ(FakePlatform::readFile(jpegWin7()), installed);
}

} // namespace
