#pragma once

#include "SettingsWindowFixture.h"

#include "core/TabControl.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTest>

#include <algorithm>

// A settings page driven as the user drives it: its tab clicked, its boxes
// clicked, its lists picked from, and the settings file looked at after the
// second the window waits before saving a change.
class PageTestFixture : public SettingsWindowFixture {
protected:
    // Brings the page into view through its tab.
    static void showPage(CZelDlg& dlg, const QWidget* page)
    {
        QTabBar* bar = dlg.m_tab->tabBar();
        for (int i = 0; i < dlg.m_tab->GetItemCount(); ++i) {
            if (dlg.m_tab->GetItemData(i) == page)
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        }
        ASSERT_TRUE(page->isVisible());
    }
    // Clicks the box or button of a check box or radio button, at its left.
    static void click(QAbstractButton* button)
    {
        const QPoint box(std::min(6, button->width() / 2), button->height() / 2);
        QTest::mouseClick(button, Qt::LeftButton, {}, box);
    }
    // Picks the item with that caption from the list.
    static void choose(QComboBox* list, const QString& caption)
    {
        const int index = list->findText(caption);
        ASSERT_GE(index, 0) << caption.toStdString();
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    // The list's captions top to bottom, as one line a failure can print.
    static std::string captions(const QComboBox* list)
    {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        return shown.join(QStringLiteral("; ")).toStdString();
    }
    // The settings file as the window saves it a second after a change; the
    // file is then removed, so the next look sees only the next save.
    QByteArray savedASecondLater()
    {
        services.scheduler.advance(1000);
        const QByteArray saved = FakePlatform::readFile(services.settingsPath());
        QFile::remove(services.settingsPath());
        return saved;
    }
    // The language files the build puts beside the program.
    void copyShippedLanguages() const
    {
        const QDir shipped(QStringLiteral(YULAVIN_BIN_DIR));
        for (const QString& name : shipped.entryList({QStringLiteral("*.lng")}, QDir::Files))
            QFile::copy(shipped.filePath(name), services.programDir() + "/" + name);
    }
};
