#include "PagePreview.h"

#include "ArtRegistry.h"
#include "ButtonBitmaps.h"
#include "IconPictures.h"
#include "PageArtKit.h"
#include "PageShowcase.h"

#include "vocabulary/PictureIds.h"

#include <QFontMetricsF>
#include <QLinearGradient>

#include <cmath>
#include <functional>
#include <vector>

using namespace PageArtKit;

namespace PagePreview {

namespace {

// Dialog units of the 8-point dialog font at 96 dots per inch.
constexpr qreal dluX = 1.5, dluY = 1.625;

QRectF dlu(qreal x, qreal y, qreal w, qreal h)
{
    return QRectF(x * dluX, y * dluY, w * dluX, h * dluY);
}

enum class Kind { Static, Group, Check, Radio, Combo, Slider, Edit, Spin, Button, Link };

struct Control {
    Kind kind;
    QRectF rect; // dialog units
    QString text;
    QColor color = Qt::black;
    Qt::Alignment align = Qt::AlignLeft;
    bool on = false;
};

QString pngPath(unsigned id)
{
    return QStringLiteral("png/%1.png").arg(id);
}

struct Picture {
    QString path;
    QPointF at;
    QSizeF scaledTo; // empty: natural size
};

struct Skinned {
    unsigned normal, over, down, mask;
    QPointF at; // pixels in the page
    bool hover = false;
};

struct Page {
    QString caption;
    int tab;
    std::vector<Picture> pictures;
    std::vector<Control> controls;
    std::vector<Skinned> buttons;
};

const Skinned help{
    kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonMask, {450, 3}};

std::vector<Page> pages()
{
    using K = Kind;
    const auto right = Qt::AlignRight, centre = Qt::AlignHCenter;
    std::vector<Page> list;
    list.push_back(
        {"General",
         0,
         {{pngPath(kPageBackgroundPicture), {0, 60}, {}},
          {pngPath(kGeneralTopPicture), {0, 0}, {}}},
         {{K::Combo, {92, 38, 60, 14}, "English"},
          {K::Static, {52, 40, 38, 8}, "Language", Qt::black, centre},
          {K::Check, {52, 63, 10, 10}, "", Qt::black, Qt::AlignLeft, true},
          {K::Static, {63, 63, 210, 8}, "Start at Windows startup (for current user)"},
          {K::Check, {52, 87, 10, 10}, ""},
          {K::Static,
           {63, 83, 210, 24},
           "Disable while running screensaver, full screen apps and 3D apps (like games)"}},
         {help}});
    list.push_back({"Lights && Garlands",
                    1,
                    {{pngPath(kPageBackgroundPicture), {0, 0}, {}}},
                    {{K::Check, {14, 14, 9, 9}, "", Qt::black, Qt::AlignLeft, true},
                     {K::Static, {26, 15, 60, 8}, "Enable"},
                     {K::Group, {7, 32, 182, 44}, "Garland"},
                     {K::Combo, {13, 43, 170, 14}, "Multicolor Lights"},
                     {K::Check, {15, 56, 170, 19}, "Select a random garland at startup"},
                     {K::Group, {7, 80, 182, 32}, "Display"},
                     {K::Radio, {15, 92, 80, 10}, "On Desktop", Qt::black, Qt::AlignLeft, true},
                     {K::Radio, {101, 92, 80, 10}, "On Top"},
                     {K::Group, {192, 32, 113, 97}, "Flash"},
                     {K::Combo, {216, 43, 71, 14}, "Chasing"},
                     {K::Slider, {199, 64, 100, 26}, ""},
                     {K::Static, {201, 90, 40, 8}, "Slow"},
                     {K::Static, {262, 90, 40, 8}, "Fast", Qt::black, right},
                     {K::Check, {202, 104, 100, 20}, "Select random at startup"}},
                    {help}});
    list.push_back({"Snow",
                    2,
                    {{pngPath(kPageBackgroundPicture), {0, 0}, {}}},
                    {{K::Check, {14, 14, 9, 9}, "", Qt::black, Qt::AlignLeft, true},
                     {K::Static, {26, 15, 60, 8}, "Enable"},
                     {K::Group, {7, 32, 182, 44}, "Type"},
                     {K::Combo, {75, 43, 50, 14}, "Fluffy"},
                     {K::Check, {15, 61, 170, 10}, "Select random at startup"},
                     {K::Group, {7, 80, 182, 32}, "Display"},
                     {K::Radio, {15, 92, 70, 10}, "On Desktop"},
                     {K::Radio, {101, 92, 70, 10}, "On Top", Qt::black, Qt::AlignLeft, true},
                     {K::Check, {14, 123, 10, 10}, ""},
                     {K::Static, {25, 123, 80, 8}, "Accumulate"},
                     {K::Group, {202, 32, 103, 46}, "Wind"},
                     {K::Slider, {203, 40, 100, 22}, ""},
                     {K::Check, {208, 56, 92, 20}, "Select random at startup"},
                     {K::Group, {202, 81, 103, 46}, "Density"},
                     {K::Slider, {203, 89, 100, 22}, ""},
                     {K::Check, {208, 105, 92, 20}, "Select random at startup"},
                     {K::Group, {202, 131, 103, 32}, "Speed"},
                     {K::Slider, {203, 139, 100, 22}, ""}},
                    {help}});
    list.push_back({"Wallpapers",
                    3,
                    {{pngPath(kWallpapersPagePicture), {0, 0}, {}}},
                    {},
                    {{kWallpapersButtonBitmap,
                      kWallpapersButtonOverBitmap,
                      kWallpapersButtonDownBitmap,
                      kWallpapersButtonMask,
                      {122, 31}}}});
    list.push_back({"Sound && Music",
                    4,
                    {{pngPath(kPageBackgroundPicture), {0, 0}, {}}},
                    {{K::Group, {7, 7, 298, 55}, "Play at startup"},
                     {K::Combo, {15, 20, 200, 14}, "Jingle Bells"},
                     {K::Button, {236, 19, 50, 14}, "Play"},
                     {K::Slider, {15, 40, 200, 16}, ""},
                     {K::Group, {7, 64, 298, 55}, "Play every hour"},
                     {K::Combo, {15, 76, 200, 14}, "Random"},
                     {K::Button, {236, 75, 50, 14}, "Play"},
                     {K::Slider, {15, 97, 200, 16}, ""},
                     {K::Group, {7, 121, 298, 40}, "Background"},
                     {K::Combo, {15, 136, 80, 14}, "Fireplace"},
                     {K::Slider, {120, 136, 160, 16}, ""}},
                    {help}});
    const auto& english = PageShowcase::countdownEditions().front();
    list.push_back({"Countdown",
                    5,
                    {{QStringLiteral("png/%1.png").arg(english.ids.picture), {0, 0}, {}}},
                    {},
                    {{english.ids.normal,
                      english.ids.over,
                      english.ids.down,
                      kCountdownButtonMask,
                      {192, 138}}}});
    list.push_back({"Cursor",
                    6,
                    {{pngPath(kPageBackgroundPicture), {0, 0}, {470, 273}},
                     {pngPath(kCursorTopPicture), {0, 10}, {}}},
                    {{K::Check, {14, 14, 9, 9}, "", Qt::black, Qt::AlignLeft, true},
                     {K::Static, {26, 14, 60, 8}, "Enable"},
                     {K::Group, {14, 33, 283, 44}, "Effect"},
                     {K::Combo, {119, 44, 75, 14}, "Fairy Dust"},
                     {K::Check, {24, 62, 9, 9}, ""},
                     {K::Static, {36, 62, 170, 8}, "Select random at startup"},
                     {K::Group, {14, 85, 283, 32}, "Display"},
                     {K::Radio, {75, 98, 9, 9}, "", Qt::black, Qt::AlignLeft, true},
                     {K::Static, {85, 99, 80, 8}, "On Desktop"},
                     {K::Radio, {176, 98, 9, 9}, ""},
                     {K::Static, {186, 99, 80, 8}, "On Top"}},
                    {help}});
    list.push_back({"Tree",
                    7,
                    {{pngPath(kTreePagePicture), {0, 0}, {}}},
                    {{K::Check, {14, 37, 9, 9}, "", Qt::black, Qt::AlignLeft, true},
                     {K::Static, {26, 37, 60, 8}, "Enable"},
                     {K::Group, {7, 55, 182, 44}, "Tree"},
                     {K::Combo, {78, 67, 48, 14}, "Joy"},
                     {K::Check, {15, 84, 170, 10}, "Select random at startup"},
                     {K::Group, {7, 103, 182, 32}, "Display"},
                     {K::Radio, {15, 116, 80, 10}, "On Desktop", Qt::black, Qt::AlignLeft, true},
                     {K::Radio, {101, 116, 80, 10}, "On Top"},
                     {K::Group, {192, 55, 114, 80}, "Flashing Speed"},
                     {K::Slider, {199, 69, 100, 26}, ""},
                     {K::Static, {197, 95, 40, 8}, "Slow"},
                     {K::Static, {258, 95, 40, 8}, "Fast", Qt::black, right},
                     {K::Check, {202, 109, 100, 20}, "Select random at startup"}},
                    {help}});
    list.push_back(
        {"Logon Screen",
         8,
         {{pngPath(kLogonPagePicture), {0, 0}, {}}},
         {{K::Check, {51, 22, 9, 9}, ""},
          {K::Static, {63, 23, 60, 8}, "Enable"},
          {K::Static, {7, 47, 46, 8}, "Image", Qt::black, right},
          {K::Combo, {58, 45, 60, 14}, "Blue"},
          {K::Group, {9, 71, 130, 84}, ""},
          {K::Static,
           {15, 80, 118, 32},
           "To configure this feature, you need to run the program with administrator rights.",
           QColor(255, 0, 0),
           centre},
          {K::Button, {35, 118, 80, 28}, "Restart as administrator"}},
         {help}});
    list.push_back({QStringLiteral("Новогодний сайт"),
                    9,
                    {{pngPath(kSitePagePicture), {0, 0}, {}}},
                    {},
                    {{kSiteButtonBitmap,
                      kSiteButtonOverBitmap,
                      kSiteButtonBitmap,
                      kSiteButtonMask,
                      {94, 140}}}});
    list.push_back({"Frost",
                    10,
                    {{pngPath(kFrostPagePicture), {0, 0}, {}}},
                    {{K::Check, {14, 14, 9, 9}, "", Qt::black, Qt::AlignLeft, true},
                     {K::Static, {26, 15, 80, 8}, "Enable", Qt::white},
                     {K::Static, {64, 38, 40, 8}, "Wait", Qt::white, right},
                     {K::Edit, {109, 36, 40, 14}, "10"},
                     {K::Spin, {137, 36, 11, 14}, ""},
                     {K::Static, {154, 38, 75, 8}, "minutes of inactivity", Qt::white}},
                    {help}});
    list.push_back({"About",
                    11,
                    {{pngPath(kAboutBackgroundPicture), {0, 0}, {}},
                     {pngPath(kEmblemPicture), {172, 8}, {}},
                     {pngPath(kTitlePicture), {108, 120}, {}}},
                    {{K::Static, {7, 105, 299, 8}, "Version 3.5", Qt::white, centre},
                     {K::Link, {94, 141, 125, 14}, "Acknowledgements and Attribution List"},
                     {K::Link, {130, 153, 55, 14}, "yulavin.example"}},
                    {}});
    return list;
}

QFont uiFont()
{
    return font(QStringLiteral("Liberation Sans"), 11, false);
}

// A skinned button as the program shows it: the picture where the mask is black.
QImage cutByMask(const QImage& picture, const QImage& mask)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height() && y < mask.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width() && x < mask.width(); ++x) {
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                row[x] = 0;
        }
    }
    return out;
}

void drawControl(QPainter& p, const Control& c)
{
    const QRectF r = dlu(c.rect.x(), c.rect.y(), c.rect.width(), c.rect.height());
    p.save();
    p.setFont(uiFont());
    const QColor border(0x7a, 0x8a, 0xa0);
    switch (c.kind) {
    case Kind::Static:
        p.setPen(c.color);
        p.drawText(r.adjusted(0, -1, 0, 2), int(c.align) | Qt::AlignTop | Qt::TextWordWrap, c.text);
        break;
    case Kind::Link:
        p.setPen(QColor(0x9c, 0xd0, 0xff));
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop, c.text);
        break;
    case Kind::Group: {
        p.setPen(QColor(0xb8, 0xc4, 0xd2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.5, 6.5, -0.5, -0.5), 2, 2);
        if (!c.text.isEmpty()) {
            const qreal w = QFontMetricsF(uiFont()).horizontalAdvance(c.text);
            p.setPen(QColor(0x1a, 0x4a, 0x9a));
            p.drawText(QRectF(r.left() + 8, r.top() - 1, w + 2, 14), Qt::AlignLeft, c.text);
        }
        break;
    }
    case Kind::Check:
    case Kind::Radio: {
        const QRectF box(r.left(),
                         r.top() + std::max<qreal>(0, (std::min<qreal>(r.height(), 16) - 13) / 2),
                         13, 13);
        p.setPen(border);
        p.setBrush(Qt::white);
        if (c.kind == Kind::Check)
            p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
        else
            p.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
        if (c.on) {
            p.setPen(QPen(QColor(0x20, 0x30, 0x40), 1.8));
            if (c.kind == Kind::Check) {
                p.drawLine(box.topLeft() + QPointF(3, 6.5), box.topLeft() + QPointF(5.5, 9.5));
                p.drawLine(box.topLeft() + QPointF(5.5, 9.5), box.topLeft() + QPointF(10, 3.5));
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0x20, 0x30, 0x40));
                p.drawEllipse(box.center(), 2.6, 2.6);
            }
        }
        if (!c.text.isEmpty()) {
            p.setPen(Qt::black);
            p.drawText(r.adjusted(17, -1, 0, 2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       c.text);
        }
        break;
    }
    case Kind::Combo:
    case Kind::Edit: {
        const QRectF box(r.left(), r.top(), r.width(), 21);
        p.setPen(border);
        p.setBrush(Qt::white);
        p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(Qt::black);
        p.drawText(box.adjusted(4, 0, -18, 0), Qt::AlignVCenter | Qt::AlignLeft, c.text);
        if (c.kind == Kind::Combo) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x40, 0x48, 0x58));
            QPolygonF arrow;
            arrow << QPointF(box.right() - 13, box.center().y() - 2)
                  << QPointF(box.right() - 5, box.center().y() - 2)
                  << QPointF(box.right() - 9, box.center().y() + 2.5);
            p.drawPolygon(arrow);
        }
        break;
    }
    case Kind::Spin: {
        p.setPen(border);
        p.setBrush(QColor(0xe8, 0xec, 0xf2));
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        break;
    }
    case Kind::Slider: {
        const qreal y = r.top() + 10;
        p.setPen(QColor(0x9a, 0xa8, 0xbc));
        p.setBrush(QColor(0xe6, 0xea, 0xf0));
        p.drawRect(QRectF(r.left() + 6, y - 2, r.width() - 12, 4));
        p.setPen(QColor(0x40, 0x48, 0x58));
        for (int i = 0; i < 9; ++i) {
            const qreal x = r.left() + 9 + (r.width() - 18) * i / 8;
            p.drawLine(QPointF(x, y + 10), QPointF(x, y + 13));
        }
        p.setPen(QColor(0x2a, 0x5a, 0xa8));
        p.setBrush(QColor(0x4a, 0x8a, 0xe0));
        p.drawRoundedRect(QRectF(r.left() + r.width() * 0.45, y - 8, 10, 17), 2, 2);
        break;
    }
    case Kind::Button: {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(0xf6, 0xf6, 0xf6));
        g.setColorAt(1, QColor(0xdc, 0xdc, 0xdc));
        p.setPen(QColor(0x70, 0x70, 0x70));
        p.setBrush(g);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, c.text);
        break;
    }
    }
    p.restore();
}

const QStringList tabCaptions{"General",        "Lights && Garlands",
                              "Snow",           "Wallpapers",
                              "Sound && Music", "Countdown",
                              "Cursor",         "Tree",
                              "Logon Screen",   QStringLiteral("Новогодний сайт"),
                              "Frost",          "About"};

// The tab strip: the selected tab is always shown, the ones that do not fit
// are reached with the scroll arrows as in the real tab control.
void drawTabs(QPainter& p, const std::map<QString, QImage>& pics, const QRectF& control,
              int selected)
{
    const QFont f = uiFont();
    const QFontMetricsF metrics(f);
    std::vector<qreal> widths;
    for (const QString& caption : tabCaptions) {
        QString shown = caption;
        shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
        widths.push_back(16 + 4 + metrics.horizontalAdvance(shown) + 12);
    }
    const qreal room = control.width() - 36;
    int first = 0;
    auto fits = [&](int from) {
        qreal sum = 0;
        for (int i = from; i <= selected; ++i)
            sum += widths[size_t(i)];
        return sum <= room;
    };
    while (!fits(first))
        ++first;
    qreal x = control.left() + 2;
    p.save();
    p.setFont(f);
    p.setClipRect(QRectF(control.left(), control.top() - 4, room + 2, 30));
    for (int i = first; i < int(tabCaptions.size()); ++i) {
        const bool on = i == selected;
        const QRectF tab(x, control.top() + (on ? 0 : 2), widths[size_t(i)], on ? 23 : 21);
        QLinearGradient g(tab.topLeft(), tab.bottomLeft());
        g.setColorAt(0, on ? QColor(0xff, 0xff, 0xff) : QColor(0xf0, 0xf3, 0xf7));
        g.setColorAt(1, on ? QColor(0xff, 0xff, 0xff) : QColor(0xd8, 0xe0, 0xea));
        p.setPen(QColor(0x8d, 0xa3, 0xc0));
        p.setBrush(g);
        p.drawRect(tab.adjusted(0.5, 0.5, -0.5, on ? 0.5 : -0.5));
        const int id = kTabIcons[i];
        const auto icon = pics.find(QStringLiteral("ico/%1.png").arg(id));
        if (icon != pics.end())
            p.drawImage(QPointF(tab.left() + 6, tab.top() + 3), icon->second);
        QString shown = tabCaptions[i];
        shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
        p.setPen(Qt::black);
        p.drawText(QRectF(tab.left() + 26, tab.top(), tab.width() - 26, 21),
                   Qt::AlignVCenter | Qt::AlignLeft, shown);
        x += widths[size_t(i)];
    }
    p.restore();
    // Scroll arrows.
    const QRectF arrows(control.right() - 34, control.top() + 3, 32, 18);
    p.setPen(QColor(0x8d, 0xa3, 0xc0));
    p.setBrush(QColor(0xf0, 0xf3, 0xf7));
    p.drawRect(QRectF(arrows.left() + 0.5, arrows.top() + 0.5, 15, 17));
    p.drawRect(QRectF(arrows.left() + 16.5, arrows.top() + 0.5, 15, 17));
    p.setBrush(QColor(0x40, 0x48, 0x58));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{arrows.topLeft() + QPointF(10, 5), arrows.topLeft() + QPointF(10, 13),
                            arrows.topLeft() + QPointF(5, 9)});
    p.drawPolygon(QPolygonF{arrows.topLeft() + QPointF(22, 5), arrows.topLeft() + QPointF(22, 13),
                            arrows.topLeft() + QPointF(27, 9)});
}

QImage window(const std::map<QString, QImage>& pics, const Page& page)
{
    const int titleHeight = 26;
    QImage image = blankImage(502, 325 + titleHeight + 1, QColor(0x30, 0x3a, 0x48));
    QPainter p;
    beginSmooth(p, image);
    // Title bar.
    QLinearGradient bar(QPointF(0, 0), QPointF(0, titleHeight));
    bar.setColorAt(0, QColor(0x3c, 0x5a, 0x88));
    bar.setColorAt(1, QColor(0x24, 0x3c, 0x64));
    p.fillRect(QRectF(0, 0, image.width(), titleHeight), bar);
    const auto appIcon = pics.find(QStringLiteral("ico/128-16.png"));
    if (appIcon != pics.end())
        p.drawImage(QPointF(6, 5), appIcon->second);
    p.setPen(Qt::white);
    p.setFont(font(QStringLiteral("Liberation Sans"), 12, true));
    p.drawText(QRectF(28, 0, 300, titleHeight), Qt::AlignVCenter, QStringLiteral("Yulavin"));
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(484, 9), QPointF(492, 17));
    p.drawLine(QPointF(492, 9), QPointF(484, 17));
    p.translate(1, titleHeight);
    // Client area: the window background, then the tab control.
    const auto background = pics.find(pngPath(kWindowBackgroundPicture));
    if (background != pics.end())
        p.drawImage(0, 0, background->second);
    const QRectF control(10.5, 11.4, 478.5, 302.2);
    const QRectF body(control.left(), control.top() + 23, control.width(), control.height() - 23);
    p.setPen(QColor(0x8d, 0xa3, 0xc0));
    p.setBrush(QColor(0xf4, 0xf6, 0xf9));
    p.drawRect(body);
    drawTabs(p, pics, control, page.tab);
    const QPointF origin(control.left() + 1.5, control.top() + 21 * dluY);
    p.save();
    p.translate(origin);
    p.setClipRect(QRectF(0, 0, 313 * dluX, 168 * dluY));
    for (const auto& picture : page.pictures) {
        const auto found = pics.find(picture.path);
        if (found == pics.end())
            continue;
        if (picture.scaledTo.isEmpty())
            p.drawImage(picture.at, found->second);
        else
            p.drawImage(QRectF(picture.at, picture.scaledTo), found->second);
    }
    for (const auto& item : page.controls)
        drawControl(p, item);
    for (const auto& button : page.buttons) {
        const auto picture = pics.find(QStringLiteral("bmp/%1.png").arg(button.normal));
        const auto mask = pics.find(QStringLiteral("bmp/%1.png").arg(button.mask));
        if (picture != pics.end() && mask != pics.end())
            p.drawImage(button.at, cutByMask(picture->second, mask->second));
    }
    p.restore();
    p.end();
    return image;
}

// Each skinned button in its three states, cut by its mask, on the picture
// of the page it sits on.
QImage buttonStates(const std::map<QString, QImage>& pics)
{
    struct Row {
        QString page;
        Skinned button;
        QSize size;
    };
    std::vector<Row> rows;
    rows.push_back(
        {pngPath(kPageBackgroundPicture),
         {kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonMask, {440, 0}},
         {40, 24}});
    rows.push_back(
        {pngPath(kGeneralTopPicture),
         {kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonMask, {440, 0}},
         {40, 24}});
    rows.push_back(
        {pngPath(kFrostPagePicture),
         {kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonMask, {440, 0}},
         {40, 24}});
    for (const auto& e : PageShowcase::countdownEditions())
        rows.push_back({QStringLiteral("png/%1.png").arg(e.ids.picture),
                        {e.ids.normal, e.ids.over, e.ids.down, kCountdownButtonMask, {182, 128}},
                        {126, 60}});
    rows.push_back(
        {pngPath(kSitePagePicture),
         {kSiteButtonBitmap, kSiteButtonOverBitmap, kSiteButtonBitmap, kSiteButtonMask, {84, 130}},
         {126, 60}});
    rows.push_back({pngPath(kWallpapersPagePicture),
                    {kWallpapersButtonBitmap,
                     kWallpapersButtonOverBitmap,
                     kWallpapersButtonDownBitmap,
                     kWallpapersButtonMask,
                     {112, 21}},
                    {240, 240}});
    QImage image = blankImage(1560, 560, QColor(0x30, 0x30, 0x30));
    QPainter p;
    beginSmooth(p, image);
    qreal x = 10, y = 10, rowHeight = 0;
    for (const auto& row : rows) {
        const QSizeF cell(row.size.width() * 3 + 20, row.size.height());
        if (x + cell.width() > image.width()) {
            x = 10;
            y += rowHeight + 10;
            rowHeight = 0;
        }
        const unsigned ids[] = {row.button.normal, row.button.over, row.button.down};
        for (int s = 0; s < 3; ++s) {
            const QPointF at(x + s * (row.size.width() + 6), y);
            const auto page = pics.find(row.page);
            if (page != pics.end())
                p.drawImage(at, page->second,
                            QRectF(row.button.at - QPointF(10, 10), QSizeF(row.size)));
            const auto picture = pics.find(QStringLiteral("bmp/%1.png").arg(ids[s]));
            const auto mask = pics.find(QStringLiteral("bmp/%1.png").arg(row.button.mask));
            if (picture != pics.end() && mask != pics.end())
                p.drawImage(at + QPointF(10, 10), cutByMask(picture->second, mask->second));
        }
        x += cell.width() + 20;
        rowHeight = std::max(rowHeight, cell.height());
    }
    p.end();
    return image.copy(0, 0, image.width(), int(y + rowHeight + 10));
}

// Tab icons at 1:1 and enlarged, the program icon at every size.
QImage iconSheet(const std::map<QString, QImage>& pics)
{
    QImage image = blankImage(1560, 300, QColor(0x30, 0x30, 0x30));
    QPainter p;
    beginSmooth(p, image);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.fillRect(QRectF(0, 0, 780, 140), QColor(0xf0, 0xf3, 0xf7));
    int i = 0;
    for (int id : kTabIcons) {
        const auto icon = pics.find(QStringLiteral("ico/%1.png").arg(id));
        if (icon == pics.end())
            continue;
        const qreal x = 10 + i * 64;
        p.drawImage(QPointF(x, 10), icon->second);
        p.drawImage(QPointF(x + 24, 10), icon->second);
        p.fillRect(QRectF(x + 20, 30, 4, 4), Qt::transparent);
        p.drawImage(QRectF(x, 34, 48, 48), icon->second);
        p.drawImage(QRectF(x, 86, 48, 48), icon->second);
        ++i;
    }
    // The same icons on a dark strip.
    p.fillRect(QRectF(0, 140, 780, 30), QColor(0x22, 0x2a, 0x38));
    i = 0;
    for (int id : kTabIcons) {
        const auto icon = pics.find(QStringLiteral("ico/%1.png").arg(id));
        if (icon != pics.end())
            p.drawImage(QPointF(10 + i * 64, 147), icon->second);
        ++i;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    qreal x = 800;
    for (int size : IconPictures::programIconSizes) {
        const auto icon = pics.find(QStringLiteral("ico/128-%1.png").arg(size));
        if (icon == pics.end())
            continue;
        p.fillRect(QRectF(x, 10, size, size), QColor(0xf0, 0xf3, 0xf7));
        p.drawImage(QPointF(x, 10), icon->second);
        if (size <= 64) {
            p.fillRect(QRectF(x, 20 + size, size, size), QColor(0x22, 0x2a, 0x38));
            p.drawImage(QPointF(x, 20 + size), icon->second);
        }
        x += size + 10;
    }
    p.end();
    return image;
}

} // namespace

QImage settingsWindows(const std::map<QString, QImage>& given)
{
    // Draw the pictures of the sibling groups when the sheet was asked for
    // the pages alone, so the mock-up is always complete.
    std::map<QString, QImage> pics = given;
    for (const ArtGroup& group : ArtGroup::all()) {
        const QString name = QString::fromLatin1(group.name);
        if (name != QLatin1String("buttons") && name != QLatin1String("icons"))
            continue;
        const QString probe = name == QLatin1String("buttons")
                                  ? QStringLiteral("bmp/%1.png").arg(kHelpButtonBitmap)
                                  : QStringLiteral("ico/%1.png").arg(kTabIcons[0]);
        if (pics.count(probe))
            continue;
        ArtSink sink;
        group.paint(sink);
        for (const auto& [path, picture] : sink.pictures())
            pics[path] = picture;
    }

    const auto list = pages();
    const int columns = 3, cellW = 520, cellH = 372;
    const int rows = int((list.size() + columns - 1) / columns);
    std::vector<QImage> parts;
    QImage windows = blankImage(columns * cellW, rows * cellH, QColor(0x30, 0x30, 0x30));
    {
        QPainter p;
        beginSmooth(p, windows);
        p.setFont(font(QStringLiteral("Liberation Sans"), 12, true));
        for (size_t i = 0; i < list.size(); ++i) {
            const QPointF at(10 + (i % columns) * cellW, 18 + (i / columns) * cellH);
            p.setPen(Qt::white);
            QString caption = list[i].caption;
            caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
            p.drawText(at + QPointF(0, -4), caption);
            p.drawImage(at, window(pics, list[i]));
        }
    }
    parts.push_back(windows);
    parts.push_back(buttonStates(pics));
    parts.push_back(iconSheet(pics));
    int height = 0;
    for (const auto& part : parts)
        height += part.height();
    QImage sheet = blankImage(columns * cellW, height, QColor(0x30, 0x30, 0x30));
    QPainter p(&sheet);
    int y = 0;
    for (const auto& part : parts) {
        p.drawImage(0, y, part);
        y += part.height();
    }
    p.end();
    return sheet;
}

} // namespace PagePreview
