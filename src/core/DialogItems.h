#pragma once

#include <QString>

class QWidget;

// Controls are known by the numeric ids of the window layouts, as the code
// that sets their texts and the tests that drive them name them. The id is a
// property of the control; its object name is the id in decimal, so
// findChild<QWidget*>("1004") finds it as well.

void SetDlgCtrlID(QWidget* control, int id);
// 0 for a widget without an id.
int GetDlgCtrlID(const QWidget* control);
// The direct child of the window with that id; null when there is none.
QWidget* GetDlgItem(const QWidget* window, int id);

template <class Control> Control* GetDlgItemAs(const QWidget* window, int id)
{
    return qobject_cast<Control*>(GetDlgItem(window, id));
}

// The caption of a label, button, check box or group box. Labels show an
// ampersand pair as one ampersand and drop a single one, as buttons do with
// their mnemonic marker; a link control takes the text with its links marked.
void SetDlgItemText(const QWidget* window, int id, const QString& text);
// The caption as set, with its ampersands as given.
QString GetDlgItemText(const QWidget* window, int id);

// Shows or hides a child by id; nothing when there is no such child.
void ShowDlgItem(const QWidget* window, int id, bool show);
void EnableDlgItem(const QWidget* window, int id, bool enable);
