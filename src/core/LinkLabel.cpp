#include "core/LinkLabel.h"

#include <QEvent>

#include <vector>

namespace {

const QString kOpen = QStringLiteral("<a>");
const QString kClose = QStringLiteral("</a>");

struct Part {
    QString text;
    bool link;
};

std::vector<Part> SplitMarkup(const QString& markup)
{
    std::vector<Part> parts;
    qsizetype at = 0;
    while (at < markup.size()) {
        const qsizetype open = markup.indexOf(kOpen, at, Qt::CaseInsensitive);
        if (open < 0) {
            parts.push_back({markup.mid(at), false});
            break;
        }
        if (open > at)
            parts.push_back({markup.mid(at, open - at), false});
        const qsizetype start = open + kOpen.size();
        qsizetype close = markup.indexOf(kClose, start, Qt::CaseInsensitive);
        // A link left open runs to the end of the text.
        if (close < 0)
            close = markup.size();
        parts.push_back({markup.mid(start, close - start), true});
        at = close + kClose.size();
    }
    return parts;
}

// Rich text would fold runs of blanks into one and drop leading ones; the
// layouts use them to place a link within its control. A single blank
// between words stays a place where the line may wrap.
QString Escaped(const QString& text)
{
    QString html;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool lone =
            i > 0 && i + 1 < text.size() && text[i - 1] != u' ' && text[i + 1] != u' ';
        if (text[i] == u' ' && !lone)
            html += QStringLiteral("&nbsp;");
        else
            html += QString(text[i]).toHtmlEscaped();
    }
    return html;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    connect(this, &QLabel::linkActivated, this,
            [this](const QString& link) { Q_EMIT linkClicked(link.toInt()); });
}

void LinkLabel::SetLinkText(const QString& markup)
{
    m_markup = markup;
    ShowMarkup();
}

void LinkLabel::ShowMarkup()
{
    // Rich text colours a link as the application's palette says unless the
    // link names its colour; this control's own palette is meant.
    const QString colour = palette().color(QPalette::Link).name();
    QString html;
    int links = 0;
    for (const Part& part : SplitMarkup(m_markup)) {
        if (part.link)
            html += QStringLiteral("<a href=\"%1\" style=\"color:%2\">%3</a>")
                        .arg(links++)
                        .arg(colour, Escaped(part.text));
        else
            html += Escaped(part.text);
    }
    setText(html);
}

void LinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        ShowMarkup();
}

QStringList LinkLabel::Links() const
{
    QStringList links;
    for (const Part& part : SplitMarkup(m_markup)) {
        if (part.link)
            links << part.text;
    }
    return links;
}
