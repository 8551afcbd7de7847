#include "SettingsWindowFixture.h"

#include "core/DialogItems.h"
#include "pages/CDlgTabGeneral.h"
#include "pages/CDlgTabLogon.h"
#include "platform/SingleInstanceLock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace {

// The Logon page on Windows 7, with plain-coloured pictures and previews for
// three of the names.
class CDlgTabLogonTest : public SettingsWindowFixture {
protected:
    void SetUp() override
    {
        services.system.setVersion(6, 1);
        app.m_options.LogonImage = "snow";
        for (const auto& [name, colour] :
             {std::pair{"blue", Qt::blue}, {"snow", Qt::white}, {"tree", Qt::green}}) {
            writePicture(logonFolder() + "/" + name + "_preview.jpg", colour);
            writePicture(logonFolder() + "/" + name + ".jpg", colour);
        }
    }

    QString logonFolder() const { return services.programDir() + "/logon"; }
    static void writePicture(const QString& path, QColor colour)
    {
        QImage picture(160, 90, QImage::Format_RGB32);
        picture.fill(colour);
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(picture.save(path, "jpeg", 95));
    }
    QString installed() const
    {
        return services.system.m_windowsDir +
               "/System32/oobe/info/backgrounds/backgroundDefault.jpg";
    }
    // The plain colour in the middle of the preview; "none" before any.
    static QString preview(const CDlgTabLogon& page)
    {
        const QImage shown = page.m_staticPreview->pixmap().toImage();
        if (shown.isNull())
            return "none";
        const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        const int r = middle.red() / 128, g = middle.green() / 128, b = middle.blue() / 128;
        return r && g && b ? "white" : r ? "red" : g ? "green" : b ? "blue" : "black";
    }
    // Picks a picture in the list as the user does.
    static void pick(CDlgTabLogon& page, const QString& name)
    {
        const int index = page.m_comboImage->findData(name);
        page.m_comboImage->setCurrentIndex(index);
        Q_EMIT page.m_comboImage->activated(index);
    }
    static void click(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    }
};

TEST_F(CDlgTabLogonTest, ListsTheFourteenPicturesAndPreviewsTheStoredOne)
{
    runWindow([&](CZelDlg& dlg) {
        const CDlgTabLogon& page = *dlg.m_pTabLogon;
        QStringList items;
        for (int i = 0; i < page.m_comboImage->count(); ++i)
            items << page.m_comboImage->itemData(i).toString() + "=" +
                         page.m_comboImage->itemText(i);
        EXPECT_EQ(items, QStringList({"blue=Blue", "blue_tree=Blue Tree", "bokeh=Bokeh",
                                      "decoration=Decoration", "green_tree=Green Tree",
                                      "hot_chocolate=Hot Chocolate", "in_the_snow=In The Snow",
                                      "ornament=Ornament", "picture=Picture",
                                      "santa_skating=Santa Skating", "snow=Snow",
                                      "snowfall=Snowfall", "snowman=Snowman", "tree=Tree"}));
        EXPECT_EQ(page.m_comboImage->currentData().toString(), "snow");
        EXPECT_EQ(preview(page), "white");
        EXPECT_EQ(page.m_staticPreview->pixmap().size(),
                  page.m_staticPreview->contentsRect().size());
    });
}

TEST_F(CDlgTabLogonTest, WithoutRightsTheBoxIsDisabledAndARedNoteOffersARestart)
{
    app.m_options.fLogon = true;
    for (const bool administrator : {false, true}) {
        services.system.m_administrator = administrator;
        runWindow([&](CZelDlg& dlg) {
            const CDlgTabLogon& page = *dlg.m_pTabLogon;
            EXPECT_TRUE(page.m_checkEnable->isChecked());
            EXPECT_EQ(page.m_checkEnable->isEnabled(), administrator);
            for (int id : {1064, 1065, 1049})
                EXPECT_EQ(GetDlgItem(&page, id)->isVisibleTo(&page), !administrator) << id;
            const QLabel* note = GetDlgItemAs<QLabel>(&page, 1064);
            EXPECT_TRUE(note->text().startsWith("To configure this feature"));
            EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        });
    }
}

// A pick is always previewed; only an administrator's is kept, and installed
// at once while the box is on.
TEST_F(CDlgTabLogonTest, APickIsKeptAndInstalledByRights)
{
    for (const auto& [administrator, on] : {std::pair{false, true}, {true, false}, {true, true}}) {
        SCOPED_TRACE(testing::Message() << "administrator " << administrator << ", on " << on);
        services.system.m_administrator = administrator;
        app.m_options.fLogon = on;
        app.m_options.LogonImage = "snow";
        runWindow([&](CZelDlg& dlg) {
            pick(*dlg.m_pTabLogon, "tree");
            EXPECT_EQ(preview(*dlg.m_pTabLogon), "green");
        });
        EXPECT_EQ(app.m_options.LogonImage, administrator ? "tree" : "snow");
        EXPECT_EQ(QImage(installed()).isNull(), !(administrator && on));
    }
}

TEST_F(CDlgTabLogonTest, TheBoxInstallsAndRemovesTheSelectedPicture)
{
    // On XP the bitmap goes beside the pictures.
    services.system.setVersion(5, 1);
    services.system.m_administrator = true;
    const QString bitmap = logonFolder() + "/backgroundDefault.bmp";
    runWindow([&](CZelDlg& dlg) {
        click(dlg.m_pTabLogon->m_checkEnable);
        EXPECT_TRUE(app.m_options.fLogon);
        EXPECT_EQ(QColor(QImage(bitmap).pixel(5, 5)), QColor(Qt::white));
        click(dlg.m_pTabLogon->m_checkEnable);
        EXPECT_FALSE(app.m_options.fLogon);
        EXPECT_FALSE(QFile::exists(bitmap));
    });
}

TEST_F(CDlgTabLogonTest, AStoredNameOfNoPictureSelectsNothingAndInstallsNothing)
{
    // Pictures that a name leading out of the logon folder would reach.
    writePicture(services.programDir() + "/outside_preview.jpg", Qt::red);
    writePicture(services.programDir() + "/outside.jpg", Qt::red);
    writePicture(logonFolder() + "/Snow_preview.jpg", Qt::blue);
    services.system.m_administrator = true;
    // Letter case counts: no item is "Snow", but its preview shows.
    for (const auto& [stored, shown] : {std::pair{QString("Snow"), "blue"},
                                        {QString("northern_lights"), "none"},
                                        {QString("../outside"), "none"},
                                        {services.programDir() + "/outside", "none"},
                                        {QString(300, 'a'), "none"}}) {
        app.m_options.LogonImage = stored;
        app.m_options.fLogon = false;
        runWindow([&](CZelDlg& dlg) {
            CDlgTabLogon& page = *dlg.m_pTabLogon;
            EXPECT_EQ(page.m_comboImage->currentIndex(), -1);
            EXPECT_EQ(preview(page), shown) << stored.left(20).toStdString();
            click(page.m_checkEnable);
        });
        EXPECT_TRUE(app.m_options.fLogon);
        EXPECT_FALSE(QFile::exists(installed()));
    }
}

TEST_F(CDlgTabLogonTest, ALanguageChangeRebuildsTheListAndShowsTheStoredChoiceAgain)
{
    writeLanguage("German", "Deutsch", {{79, "Blau"}, {99, "Schnee"}, {13, "Aktivieren"}});
    runWindow([&](CZelDlg& dlg) {
        CDlgTabLogon& page = *dlg.m_pTabLogon;
        pick(page, "blue");
        EXPECT_EQ(preview(page), "blue");
        QComboBox* languages = dlg.m_pTabGeneral->m_comboLanguage;
        languages->setCurrentIndex(languages->findText("Deutsch"));
        Q_EMIT languages->activated(languages->currentIndex());
        EXPECT_EQ(page.m_comboImage->count(), 14);
        EXPECT_EQ(page.m_comboImage->itemText(0), "Blau");
        EXPECT_EQ(page.m_comboImage->currentText(), "Schnee");
        EXPECT_EQ(preview(page), "white");
        EXPECT_EQ(GetDlgItemText(&page, 1074), "Aktivieren");
    });
}

// The restart as administrator from the running program: the settings are
// in the file and the lock is free while the new copy starts; granted, this
// copy ends with code 1, declined it runs on as it was and holds the lock.
class RestartTest : public CDlgTabLogonTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RestartTest, HandsOverOrCarriesOn)
{
    const bool granted = GetParam();
    const auto lockIsFree = [&] {
        return !platform::SingleInstanceLock(services.system.m_runtimeDir, "VarnelYulavinMutex")
                    .alreadyExists();
    };
    services.shell.m_elevationGranted = granted;
    bool readyAtStart = false;
    services.shell.onElevate = [&] {
        readyAtStart = lockIsFree() && FakePlatform::readFile(services.settingsPath())
                                           .contains("<LogonImage>tree</LogonImage>");
    };
    int code = -1;
    runProgram([&](CZelDlg& dlg) {
        app.m_options.LogonImage = "tree";
        try {
            dlg.m_pTabLogon->OnRestartAsAdmin();
        } catch (const FakeSystemInfo::ExitCalled& exit) {
            code = exit.code;
        }
        EXPECT_EQ(lockIsFree(), granted);
        EXPECT_EQ(GetDlgItem(dlg.m_pTabLogon, 1049)->isEnabled(), !granted);
        dlg.OnTrayExit();
    });
    EXPECT_EQ(code, granted ? 1 : -1);
    EXPECT_TRUE(readyAtStart);
    EXPECT_EQ(services.shell.m_elevated, QStringList{services.system.programPath()});
}

INSTANTIATE_TEST_SUITE_P(GrantedOrDeclined, RestartTest, ::testing::Bool());

} // namespace
