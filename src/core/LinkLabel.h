#pragma once

#include <QLabel>
#include <QString>

// A line of text with links in it, as the layouts mark them: the parts
// between <A> and </A> (either case) are links, everything else shows exactly
// as written, runs of blanks included. Plain parts take the palette's text
// colour, links its link colour; the control draws no background of its own.
class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

    void SetLinkText(const QString& markup);
    // The text as set, marks and all.
    const QString& LinkText() const { return m_markup; }
    // The words of each link, in order.
    QStringList Links() const;

protected:
    void changeEvent(QEvent* event) override;

Q_SIGNALS:
    // A link was clicked or chosen with the keyboard; links count from 0.
    void linkClicked(int index);

private:
    void ShowMarkup();

    QString m_markup;
};
