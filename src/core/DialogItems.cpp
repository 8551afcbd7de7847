#include "core/DialogItems.h"

#include "core/LinkLabel.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kIdProperty = "dialogControlId";
const char* const kCaptionProperty = "dialogControlCaption";

// A label's text as a button would show the same caption.
QString withoutMnemonics(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" is one ampersand, "&x" an underlined x; a last "&" stays.
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

} // namespace

void SetDlgCtrlID(QWidget* control, int id)
{
    control->setProperty(kIdProperty, id);
    control->setObjectName(QString::number(id));
}

int GetDlgCtrlID(const QWidget* control)
{
    return control ? control->property(kIdProperty).toInt() : 0;
}

QWidget* GetDlgItem(const QWidget* window, int id)
{
    if (!window)
        return nullptr;
    const auto children =
        window->findChildren<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (GetDlgCtrlID(child) == id)
            return child;
    }
    return nullptr;
}

void SetDlgItemText(const QWidget* window, int id, const QString& text)
{
    QWidget* control = GetDlgItem(window, id);
    if (!control)
        return;
    control->setProperty(kCaptionProperty, text);
    if (auto* link = qobject_cast<LinkLabel*>(control))
        link->SetLinkText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(withoutMnemonics(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
}

QString GetDlgItemText(const QWidget* window, int id)
{
    const QWidget* control = GetDlgItem(window, id);
    return control ? control->property(kCaptionProperty).toString() : QString();
}

void ShowDlgItem(const QWidget* window, int id, bool show)
{
    if (QWidget* control = GetDlgItem(window, id))
        control->setVisible(show);
}

void EnableDlgItem(const QWidget* window, int id, bool enable)
{
    if (QWidget* control = GetDlgItem(window, id))
        control->setEnabled(enable);
}
