#pragma once

#include "SettingsWindowFixture.h"

#include "core/TabControl.h"
#include "support/FakeOverlaySurface.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSlider>
#include <QTabBar>
#include <QTest>

// A page that drives a running decoration, as the user works it: the page
// on its tab, clicks on its boxes, keys in its lists and sliders.
class DecorationPageFixture : public SettingsWindowFixture {
public:
    // A click on the box or the round button itself, at the control's left.
    static void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    // Picks the list's item at that place with the keyboard.
    static void choose(QComboBox* list, int index)
    {
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }
    static void chooseKey(QComboBox* list, const QString& key)
    {
        choose(list, list->findData(key));
    }
    // Moves the slider to the position with the keyboard, one step at a time.
    static void slideTo(QSlider* slider, int position)
    {
        QTest::keyClick(slider, Qt::Key_Home);
        for (int p = slider->minimum(); p < position; ++p)
            QTest::keyClick(slider, Qt::Key_Right);
    }
    // The keys of the list's items, top to bottom, with a space between.
    static std::string keysOf(const QComboBox* list)
    {
        QStringList keys;
        for (int i = 0; i < list->count(); ++i)
            keys << list->itemData(i).toString();
        return keys.join(' ').toStdString();
    }

protected:
    // The language files the build puts beside the program.
    void installShippedLanguages() const
    {
        const QDir shipped(QStringLiteral(YULAVIN_BIN_DIR));
        for (const QString& name : shipped.entryList({QStringLiteral("*.lng")}, QDir::Files))
            QFile::copy(shipped.filePath(name), services.programDir() + "/" + name);
    }

    // Brings the page's tab to the front, as a click on the tab does.
    static void showPage(CZelDlg& dlg, QWidget* page)
    {
        for (int i = 0; i < dlg.m_tab->GetItemCount(); ++i)
            if (dlg.m_tab->GetItemData(i) == page)
                dlg.m_tab->tabBar()->setCurrentIndex(i);
    }

protected:
    // The window the decoration made last, as the window system saw it.
    FakeOverlaySurface* newestWindow() const
    {
        return services.windows.live().empty() ? nullptr : services.windows.live().back();
    }

    // What the settings file holds a second after a change.
    QByteArray savedASecondLater()
    {
        services.scheduler.advance(1000);
        return FakePlatform::readFile(services.settingsPath());
    }
};
