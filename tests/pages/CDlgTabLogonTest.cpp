#include "SettingsWindowFixture.h"

#include "core/DialogItems.h"
#include "core/TabControl.h"
#include "pages/CDlgTabGeneral.h"
#include "pages/CDlgTabLogon.h"
#include "platform/SingleInstanceLock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class CDlgTabLogonTest : public SettingsWindowFixture {
protected:
    void SetUp() override
    {
        services.system.setVersion(6, 1);
        app.m_options.LogonImage = "snow";
        for (const auto& [name, colour] :
             {std::pair{"blue", Qt::blue}, std::pair{"snow", Qt::white},
              std::pair{"tree", Qt::green}}) {
            writePicture(QString(name) + "_preview", colour);
            writePicture(name, colour);
        }
    }

    QString logonFolder() const { return services.programDir() + "/logon"; }
    void writePicture(const QString& fileName, QColor colour) const
    {
        QImage picture(160, 90, QImage::Format_RGB32);
        picture.fill(colour);
        QDir().mkpath(logonFolder());
        ASSERT_TRUE(picture.save(logonFolder() + "/" + fileName + ".jpg", "jpeg", 95));
    }
    QString installedWin7() const
    {
        return services.system.m_windowsDir +
               "/System32/oobe/info/backgrounds/backgroundDefault.jpg";
    }

    // What the preview shows in its middle; "none" before any preview.
    static QString previewColour(const CDlgTabLogon& page)
    {
        const QPixmap shown = page.m_staticPreview->pixmap();
        if (shown.isNull())
            return "none";
        const QImage image = shown.toImage();
        const QColor middle = image.pixel(image.width() / 2, image.height() / 2);
        // Plain colours come back from the JPEG within a step or two.
        for (const auto& [name, colour] :
             {std::pair{"blue", Qt::blue}, std::pair{"white", Qt::white},
              std::pair{"green", Qt::green}, std::pair{"red", Qt::red}}) {
            const QColor c(colour);
            if (std::abs(c.red() - middle.red()) + std::abs(c.green() - middle.green()) +
                    std::abs(c.blue() - middle.blue()) <
                12)
                return name;
        }
        return middle.name();
    }
    static QStringList listed(const CDlgTabLogon& page)
    {
        QStringList items;
        for (int i = 0; i < page.m_comboImage->count(); ++i)
            items << page.m_comboImage->itemData(i).toString() + "=" +
                         page.m_comboImage->itemText(i);
        return items;
    }
    // Picks a picture in the list as the user does.
    static void pick(CDlgTabLogon& page, const QString& name)
    {
        const int index = page.m_comboImage->findData(name);
        ASSERT_GE(index, 0) << name.toStdString();
        page.m_comboImage->setCurrentIndex(index);
        Q_EMIT page.m_comboImage->activated(index);
    }
    static void click(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    }
    static bool shown(const CDlgTabLogon& page, int id)
    {
        return GetDlgItem(&page, id)->isVisibleTo(&page);
    }
};

class LogonTabTest : public CDlgTabLogonTest,
                     public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(LogonTabTest, PageExistsOnXPAndSevenOnly)
{
    const auto [major, minor] = GetParam();
    services.system.setVersion(major, minor);
    const bool expected = (major == 5) || (major == 6 && minor == 1);
    runWindow([&](CZelDlg& dlg) {
        EXPECT_EQ(dlg.m_pTabLogon->IsWindow(), expected);
        EXPECT_EQ(dlg.m_tab->GetItemText(8) == "Logon Screen", expected);
        EXPECT_EQ(dlg.m_tab->GetItemData(8) == dlg.m_pTabLogon, expected);
    });
}

INSTANTIATE_TEST_SUITE_P(Versions, LogonTabTest,
                         ::testing::Values(std::pair{5, 1}, std::pair{5, 2}, std::pair{6, 0},
                                           std::pair{6, 1}, std::pair{6, 2}, std::pair{10, 0}));

TEST_F(CDlgTabLogonTest, ListsTheFourteenPicturesAndPreviewsTheStoredOne)
{
    runWindow([&](CZelDlg& dlg) {
        const CDlgTabLogon& page = *dlg.m_pTabLogon;
        EXPECT_EQ(
            listed(page),
            QStringList({"blue=Blue", "blue_tree=Blue Tree", "bokeh=Bokeh", "decoration=Decoration",
                         "green_tree=Green Tree", "hot_chocolate=Hot Chocolate",
                         "in_the_snow=In The Snow", "ornament=Ornament", "picture=Picture",
                         "santa_skating=Santa Skating", "snow=Snow", "snowfall=Snowfall",
                         "snowman=Snowman", "tree=Tree"}));
        EXPECT_EQ(page.m_comboImage->currentData().toString(), "snow");
        EXPECT_EQ(previewColour(page), "white");
        EXPECT_EQ(page.m_staticPreview->pixmap().size(),
                  page.m_staticPreview->contentsRect().size());
        EXPECT_EQ(GetDlgItemText(&page, 1074), "Enable");
        EXPECT_EQ(GetDlgItemText(&page, 1062), "Image");
    });
}

TEST_F(CDlgTabLogonTest, WithoutRightsTheBoxIsDisabledAndTheNoteOffersARestart)
{
    for (const bool administrator : {false, true}) {
        SCOPED_TRACE(administrator ? "administrator" : "user");
        services.system.m_administrator = administrator;
        app.m_options.fLogon = true;
        runWindow([&](CZelDlg& dlg) {
            const CDlgTabLogon& page = *dlg.m_pTabLogon;
            EXPECT_TRUE(page.m_checkEnable->isChecked());
            EXPECT_EQ(page.m_checkEnable->isEnabled(), administrator);
            for (int id : {1064, 1065, 1049})
                EXPECT_EQ(shown(page, id), !administrator) << id;
            EXPECT_TRUE(page.m_comboImage->isEnabled());
            const QLabel* note = GetDlgItemAs<QLabel>(&page, 1064);
            EXPECT_EQ(note->text(), "To configure this feature, you need to run the program with "
                                    "administrator rights.");
            EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        });
    }
}

TEST_F(CDlgTabLogonTest, AUsersChoiceIsPreviewedButNeitherStoredNorInstalled)
{
    app.m_options.fLogon = true;
    runWindow([&](CZelDlg& dlg) {
        CDlgTabLogon& page = *dlg.m_pTabLogon;
        pick(page, "blue");
        EXPECT_EQ(previewColour(page), "blue");
    });
    EXPECT_EQ(app.m_options.LogonImage, "snow");
    EXPECT_FALSE(QFile::exists(installedWin7()));
}

TEST_F(CDlgTabLogonTest, AnAdministratorsChoiceIsStoredAndInstalledWhileTheBoxIsOn)
{
    services.system.m_administrator = true;
    for (const bool on : {false, true}) {
        app.m_options.fLogon = on;
        runWindow([&](CZelDlg& dlg) { pick(*dlg.m_pTabLogon, on ? "tree" : "blue"); });
        EXPECT_EQ(app.m_options.LogonImage, on ? "tree" : "blue");
        EXPECT_EQ(QFile::exists(installedWin7()), on);
    }
    EXPECT_EQ(QColor(QImage(installedWin7()).pixel(5, 5)).green(), 255);
}

TEST_F(CDlgTabLogonTest, TheBoxInstallsAndRemovesTheSelectedPicture)
{
    // On XP the bitmap goes beside the pictures.
    services.system.setVersion(5, 1);
    services.system.m_administrator = true;
    const QString bitmap = logonFolder() + "/backgroundDefault.bmp";
    runWindow([&](CZelDlg& dlg) {
        QCheckBox* box = dlg.m_pTabLogon->m_checkEnable;
        click(box);
        EXPECT_TRUE(app.m_options.fLogon);
        EXPECT_EQ(QColor(QImage(bitmap).pixel(5, 5)), QColor(Qt::white));
        click(box);
        EXPECT_FALSE(app.m_options.fLogon);
        EXPECT_FALSE(QFile::exists(bitmap));
    });
}

TEST_F(CDlgTabLogonTest, AStoredNameOfNoPictureSelectsNothingAndInstallsNothing)
{
    // A picture outside the logon folder that such a name would reach.
    QImage red(160, 90, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.save(services.programDir() + "/outside_preview.jpg", "jpeg");
    red.save(services.programDir() + "/outside.jpg", "jpeg");
    writePicture("Snow_preview", Qt::blue);
    services.system.m_administrator = true;
    const struct {
        QString stored;
        QString preview;
    } cases[] = {
        // Letter case counts: the list has no "Snow", but its preview shows.
        {"Snow", "blue"},
        {"northern_lights", "none"},
        {"../outside", "none"},
        {"/" + services.programDir() + "/outside", "none"},
        {QString(300, 'a'), "none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.left(40).toStdString());
        app.m_options.LogonImage = c.stored;
        app.m_options.fLogon = false;
        runWindow([&](CZelDlg& dlg) {
            CDlgTabLogon& page = *dlg.m_pTabLogon;
            EXPECT_EQ(page.m_comboImage->currentIndex(), -1);
            EXPECT_EQ(previewColour(page), c.preview);
            click(page.m_checkEnable);
            EXPECT_TRUE(app.m_options.fLogon);
        });
        EXPECT_FALSE(QFile::exists(installedWin7()));
        EXPECT_EQ(app.m_options.LogonImage, c.stored);
    }
}

TEST_F(CDlgTabLogonTest, ALanguageChangeRebuildsTheListAndShowsTheStoredChoiceAgain)
{
    writeLanguage("German", "Deutsch", {{79, "Blau"}, {99, "Schnee"}, {13, "Aktivieren"}});
    runWindow([&](CZelDlg& dlg) {
        CDlgTabLogon& page = *dlg.m_pTabLogon;
        pick(page, "blue");
        EXPECT_EQ(previewColour(page), "blue");
        QComboBox* languages = dlg.m_pTabGeneral->m_comboLanguage;
        const int german = languages->findText("Deutsch");
        languages->setCurrentIndex(german);
        Q_EMIT languages->activated(german);
        EXPECT_EQ(page.m_comboImage->count(), 14);
        EXPECT_EQ(page.m_comboImage->itemText(0), "Blau");
        EXPECT_EQ(page.m_comboImage->currentText(), "Schnee");
        EXPECT_EQ(previewColour(page), "white");
        EXPECT_EQ(GetDlgItemText(&page, 1074), "Aktivieren");
    });
}

// The restart as administrator, from a running program: the settings are in
// the file and the lock is free while the new copy starts.
class RestartTest : public CDlgTabLogonTest {
protected:
    QString settings() const { return FakePlatform::readFile(services.settingsPath()); }
    bool lockIsFree() const
    {
        return !platform::SingleInstanceLock(services.system.m_runtimeDir, "VarnelYulavinMutex")
                    .alreadyExists();
    }
    // Clicks the restart button on the Logon page of the running program;
    // the exit code when the program ended there, -1 when it went on.
    int restart(CZelDlg& dlg)
    {
        app.m_options.LogonImage = "tree";
        try {
            dlg.m_pTabLogon->OnRestartAsAdmin();
        } catch (const FakeSystemInfo::ExitCalled& exit) {
            return exit.code;
        }
        return -1;
    }

    bool settingsSavedBeforeStart = false;
    bool lockFreeAtStart = false;
};

TEST_F(RestartTest, AGrantedRestartEndsThisCopyAtOnceWithCodeOne)
{
    services.shell.m_elevationGranted = true;
    services.shell.onElevate = [&] {
        settingsSavedBeforeStart = settings().contains("<LogonImage>tree</LogonImage>");
        lockFreeAtStart = lockIsFree();
    };
    int code = 0;
    runProgram([&](CZelDlg& dlg) {
        code = restart(dlg);
        dlg.OnTrayExit();
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(services.shell.m_elevated, QStringList({services.system.programPath()}));
    EXPECT_TRUE(settingsSavedBeforeStart);
    EXPECT_TRUE(lockFreeAtStart);
}

TEST_F(RestartTest, ADeclinedRestartLeavesThePageAndTakesTheLockAgain)
{
    services.shell.onElevate = [&] { lockFreeAtStart = lockIsFree(); };
    runProgram([&](CZelDlg& dlg) {
        EXPECT_EQ(restart(dlg), -1);
        EXPECT_TRUE(settings().contains("<LogonImage>tree</LogonImage>"));
        EXPECT_FALSE(lockIsFree());
        QWidget* button = GetDlgItem(dlg.m_pTabLogon, 1049);
        EXPECT_TRUE(button->isEnabled() && button->isVisibleTo(dlg.m_pTabLogon));
        dlg.OnTrayExit();
    });
    EXPECT_EQ(services.shell.m_elevated.size(), 1);
    EXPECT_TRUE(lockFreeAtStart);
    EXPECT_EQ(app.m_nExitCode, 0);
}

} // namespace
