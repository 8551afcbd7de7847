#include "SettingsWindowFixture.h"

#include "core/TabControl.h"

#include <QDir>
#include <QLabel>

namespace {

// The window in every shipped language: every caption fits its control, and
// with YULAVIN_SCREENSHOT_DIR set each page is saved there as a picture to look at.
class SettingsWindowPicturesTest : public SettingsWindowFixture,
                                   public ::testing::WithParamInterface<const char*> {};

TEST_P(SettingsWindowPicturesTest, CaptionsFitTheirControls)
{
    copyShippedLanguages();
    app.m_options.Language = QString::fromLatin1(GetParam());
    loadLanguage();
    const QString folder = qEnvironmentVariable("YULAVIN_SCREENSHOT_DIR");
    runWindow([&](CZelDlg& dlg) {
        for (int tab = 0; tab < dlg.m_tab->GetItemCount(); ++tab) {
            QWidget* page = dlg.m_tab->GetItemData(tab);
            for (int i = 0; i < dlg.m_tab->GetItemCount(); ++i)
                dlg.m_tab->GetItemData(i)->setVisible(i == tab);
            dlg.m_tab->SetCurSel(tab);
            for (QLabel* label : page->findChildren<QLabel*>()) {
                if (label->isHidden() || label->text().isEmpty())
                    continue;
                EXPECT_LE(label->heightForWidth(label->width()), label->height())
                    << label->objectName().toStdString() << " on tab " << tab << ": "
                    << label->text().toStdString();
            }
            if (!folder.isEmpty()) {
                QDir().mkpath(folder);
                dlg.grab().save(QStringLiteral("%1/%2-%3.png")
                                    .arg(folder, app.m_options.Language)
                                    .arg(tab, 2, 10, QLatin1Char('0')));
            }
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, SettingsWindowPicturesTest,
                         ::testing::Values("English", "Russian", "German", "Polish", "French"),
                         [](const auto& testCase) { return std::string(testCase.param); });

} // namespace
