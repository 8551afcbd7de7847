#include "platform/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

namespace platform {

namespace {

QMessageBox* makeBox(QWidget* owner, const QString& text, const QString& caption,
                     Dialogs::Style style)
{
    auto* box = new QMessageBox(owner);
    box->setWindowTitle(caption);
    box->setText(text);
    if (style == Dialogs::Style::YesNoInformation) {
        box->setIcon(QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    } else {
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

Dialogs::Answer toAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::No:
        return Dialogs::Answer::No;
    default:
        return Dialogs::Answer::Ok;
    }
}

} // namespace

Dialogs::Answer QtDialogs::messageBox(QWidget* owner, const QString& text, const QString& caption,
                                      Style style)
{
    QMessageBox* box = makeBox(owner, text, caption, style);
    const int button = box->exec();
    delete box;
    return toAnswer(button);
}

void QtDialogs::messageBoxAsync(QWidget* owner, const QString& text, const QString& caption,
                                Style style, std::function<void(Answer)> onAnswer)
{
    QMessageBox* box = makeBox(owner, text, caption, style);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    QObject::connect(box, &QMessageBox::finished, box, [box, onAnswer = std::move(onAnswer)](int) {
        if (onAnswer)
            onAnswer(toAnswer(box->standardButton(box->clickedButton())));
    });
    const bool ownerShown = owner && owner->isVisible();
    box->show();
    // A window manager places a box over its owner; an owner that is hidden
    // (the settings window before the user opens it) would put it in a corner.
    if (!ownerShown) {
        if (const QScreen* screen = box->screen())
            box->move(screen->availableGeometry().center() - box->rect().center());
    }
    box->raise();
    box->activateWindow();
}

} // namespace platform
