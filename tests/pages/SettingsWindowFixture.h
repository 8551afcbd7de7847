#pragma once

#include "app/CZelApp.h"
#include "app/CZelDlg.h"
#include "core/TabControl.h"
#include "pages/CDlgTabGeneral.h"
#include "support/DecorationObjects.h"
#include "support/FakePlatform.h"

#include <QComboBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// The settings window as the program runs it, on the fake services. The one
// place these tests make the program and its window.
class SettingsWindowFixture : public ::testing::Test {
protected:
    SettingsWindowFixture()
    {
        app.m_strModulePath = services.system.programPath();
        loadLanguage(app.m_options.Language);
    }

    // A language file beside the program with the given texts (id, text).
    void writeLanguage(const QString& english, const QString& native,
                       const std::vector<std::pair<int, QString>>& texts) const
    {
        QString file =
            QStringLiteral("[Language]\nlang_en=%1\nlang_native=%2\n[Text]\n").arg(english, native);
        for (const auto& [id, text] : texts)
            file += QStringLiteral("%1=%2\n").arg(id).arg(text);
        FakePlatform::writeFile(services.programDir() + "/" + english + ".lng", file.toUtf8());
    }
    // Sets the language as the settings would and loads it, as the start-up does.
    void loadLanguage(const QString& language)
    {
        app.m_options.Language = language;
        app.m_translate.LoadLanguage(language);
    }

    // Picks a language in the General page's list as the user does.
    static void pickLanguage(CZelDlg& dlg, const QString& native)
    {
        QComboBox* list = dlg.m_pTabGeneral->m_comboLanguage;
        const int index = list->findText(native);
        ASSERT_GE(index, 0) << native.toStdString();
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    static void clickTab(CZelDlg& dlg, int index)
    {
        QTabBar* bar = dlg.m_tab->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    // Runs the window's loop: `whileRunning` looks at the window from inside
    // it, then the loop ends as Exit ends it.
    // The decoration objects exist, without windows, as the pages expect.
    void runWindow(const std::function<void(CZelDlg&)>& whileRunning, bool startHidden = false)
    {
        makeDecorationObjects(app);
        app.m_pMainDlg = std::make_unique<CZelDlg>(app);
        CZelDlg& dlg = *app.m_pMainDlg;
        dlg.m_bStartHidden = startHidden;
        QTimer::singleShot(0, &dlg, [&] {
            whileRunning(dlg);
            dlg.OnTrayExit();
        });
        dlg.DoModal();
        app.m_pMainDlg.reset();
    }
    // Runs the whole program: `whileRunning` sees its window from inside the
    // main loop and ends the program, itself or through what it clicks.
    bool runProgram(const std::function<void(CZelDlg&)>& whileRunning)
    {
        QTimer::singleShot(0, [&] { whileRunning(*app.m_pMainDlg); });
        return app.InitInstance();
    }

    FakePlatform services;
    CZelApp app{services.services()};
};
