#pragma once

#include "PageTestFixture.h"

#include "support/FakeOverlaySurface.h"

#include <QComboBox>
#include <QSlider>
#include <QTest>

// A page that drives a running decoration, worked with the keys as well:
// items picked in a list and sliders moved step by step.
class DecorationPageFixture : public PageTestFixture {
public:
    using PageTestFixture::click;

    // Picks the list's item at that place with the keyboard.
    static void pickAt(QComboBox* list, int index)
    {
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }
    static void pickKey(QComboBox* list, const QString& key) { pickAt(list, list->findData(key)); }
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
    // The window the decoration made last, as the window system saw it.
    FakeOverlaySurface* newestWindow() const
    {
        return services.windows.live().empty() ? nullptr : services.windows.live().back();
    }
};
