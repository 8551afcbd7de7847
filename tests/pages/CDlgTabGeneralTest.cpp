#include "SettingsWindowFixture.h"

#include "core/DialogItems.h"
#include "pages/CDlgTabGeneral.h"
#include "platform/FileRegistry.h"

#include <QCheckBox>
#include <QFile>
#include <QTest>

namespace {

class CDlgTabGeneralTest : public SettingsWindowFixture {
protected:
    // An autostart entry as another copy of the program (or an older place
    // of this one) left it.
    void writeRunValue(const QString& program)
    {
        services.registry().set(platform::Registry::Root::CurrentUser, platform::Registry::kRunKey,
                                "Yulavin", program, false, platform::Registry::View::Native);
    }
    QString runValue()
    {
        platform::Registry::Value value;
        if (services.registry().get(platform::Registry::Root::CurrentUser,
                                    platform::Registry::kRunKey, "Yulavin",
                                    value) != platform::Registry::Result::Ok)
            return {};
        return std::get<QString>(value);
    }
    static void click(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    }
};

TEST_F(CDlgTabGeneralTest, AutostartEntryAtStartFollowsTheSettingAndTheEntryFound)
{
    // With the setting on, the entry is this program's, wherever an older one
    // pointed; with it off, another place's entry stays. The box shows whether
    // the entry starts this program, and the setting is left as it was.
    const QString here = services.system.programPath();
    const QString elsewhere = QStringLiteral("/opt/old place/yulavin");
    const struct {
        QString found;
        bool setting;
        bool checked;
        QString left;
    } cases[] = {{QString(), true, true, here},
                 {elsewhere, true, true, here},
                 {elsewhere, false, false, elsewhere},
                 {here, false, true, here}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.found.toStdString() << " setting " << c.setting);
        if (!c.found.isEmpty())
            writeRunValue(c.found);
        app.m_options.fAutoRun = c.setting;
        runWindow([&](CZelDlg& dlg) {
            EXPECT_EQ(dlg.m_pTabGeneral->m_chkAutoRun->isChecked(), c.checked);
        });
        EXPECT_EQ(runValue(), c.left);
        EXPECT_EQ(app.m_options.fAutoRun, c.setting);
    }
}

// A change is in the file a second later, without waiting for an Exit that a
// broken session never makes.
TEST_F(CDlgTabGeneralTest, ClickingTheBoxRemovesAndWritesTheEntryAndTheFileASecondLater)
{
    runWindow([&](CZelDlg& dlg) {
        QCheckBox* box = dlg.m_pTabGeneral->m_chkAutoRun;
        click(box);
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(QFile::exists(services.autostartPath()));
        services.scheduler.advance(999);
        EXPECT_FALSE(QFile::exists(services.settingsPath()));
        services.scheduler.advance(1);
        EXPECT_TRUE(FakePlatform::readFile(services.settingsPath()).contains("<fAutoRun>0<"));
        click(box);
        EXPECT_TRUE(box->isChecked());
        EXPECT_EQ(runValue(), services.system.programPath());
    });
}

TEST_F(CDlgTabGeneralTest, HighLoadBoxStartsAndStopsTheWatcher)
{
    app.m_options.fDisableAtHighLoad = false;
    runWindow([&](CZelDlg& dlg) {
        QCheckBox* box = dlg.m_pTabGeneral->m_chkHighLoad;
        // Only the frames of the fairy dust under the window run.
        EXPECT_EQ(services.scheduler.timerCount(), 1u);
        click(box);
        const auto watcher = app.m_highLoad.m_nTimer;
        EXPECT_EQ(services.scheduler.periodOf(nullptr, watcher), 1000u);
        click(box);
        EXPECT_FALSE(services.scheduler.isRunning(nullptr, watcher));
    });
}

struct HighLoadCase {
    int major, minor;
    bool setting;
    bool enabled, checked;
};

class CDlgTabGeneralHighLoadTest : public CDlgTabGeneralTest,
                                   public ::testing::WithParamInterface<HighLoadCase> {};

// The program started with the setting on the emulated version: the watcher
// runs, ticking every second, only where the box can be and is checked.
TEST_P(CDlgTabGeneralHighLoadTest, WatcherAndBoxFollowTheVersionAndTheSetting)
{
    const HighLoadCase& c = GetParam();
    services.system.setVersion(c.major, c.minor);
    FakePlatform::writeFile(services.settingsPath(), QByteArray("<Options><fDisableAtHighLoad>") +
                                                         (c.setting ? "1" : "0") +
                                                         "</fDisableAtHighLoad></Options>");
    runProgram([&](CZelDlg& dlg) {
        EXPECT_EQ(dlg.m_pTabGeneral->m_chkHighLoad->isEnabled(), c.enabled);
        EXPECT_EQ(GetDlgItem(dlg.m_pTabGeneral, 1069)->isEnabled(), c.enabled);
        EXPECT_EQ(dlg.m_pTabGeneral->m_chkHighLoad->isChecked(), c.checked);
        EXPECT_EQ(services.scheduler.periodOf(nullptr, app.m_highLoad.m_nTimer),
                  c.checked ? 1000u : 0u);
        app.EndMainLoop();
    });
}

INSTANTIATE_TEST_SUITE_P(Versions, CDlgTabGeneralHighLoadTest,
                         ::testing::Values(HighLoadCase{5, 1, true, false, false},
                                           HighLoadCase{6, 0, true, true, true},
                                           HighLoadCase{10, 0, false, true, false}));

} // namespace
