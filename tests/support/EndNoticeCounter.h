#pragma once

#include "pages/CSound.h"

#include <QEvent>
#include <QWidget>

// A window that counts the tune player's end notices it gets.
class EndNoticeCounter final : public QWidget {
public:
    int notices = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == CSound::MM_MCINOTIFY) {
            ++notices;
            return true;
        }
        return QWidget::event(e);
    }
};
