#include "ArtRegistry.h"
#include "TreeKinds.h"

#include "vocabulary/TreePictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace TreeKinds {

namespace {

// A tree's pictures in playing order, picked by their places among its pictures.
template <size_t N>
std::vector<int> played(const std::array<unsigned, N>& pictures,
                        std::initializer_list<size_t> order)
{
    std::vector<int> sequence;
    for (size_t place : order)
        sequence.push_back(static_cast<int>(pictures[place]));
    return sequence;
}

template <size_t N> std::vector<int> inTurn(const std::array<unsigned, N>& pictures)
{
    return std::vector<int>(pictures.begin(), pictures.end());
}

} // namespace

const std::vector<Kind>& all()
{
    static const std::vector<Kind> kinds{
        {"Bow", {300, 500}, inTurn(kBowTreePictures), &paintBow},
        {"Hoarfrost", {300, 431}, inTurn(kHoarfrostTreePictures), &paintHoarfrost},
        {"Joy", {400, 443}, played(kJoyTreePictures, {0, 1, 2, 3, 4, 5, 5, 5, 5}), &paintJoy},
        {"Silver",
         {300, 355},
         played(kSilverTreePictures, {0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 6, 6, 6, 7, 8, 8, 9}),
         &paintSilver},
        {"Snowy", {300, 392}, inTurn(kSnowyTreePictures), &paintSnowy},
    };
    return kinds;
}

QImage blankFrame(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace TreeKinds

namespace {

void paintTrees(ArtSink& sink)
{
    for (const auto& kind : TreeKinds::all())
        kind.paint(sink);
}

void fillCheckerboard(QPainter& painter, const QRect& area)
{
    const int cell = 10;
    for (int y = area.top(); y < area.bottom(); y += cell)
        for (int x = area.left(); x < area.right(); x += cell)
            painter.fillRect(QRect(x, y, cell, cell).intersected(area),
                             ((x / cell + y / cell) % 2) ? QColor(0xa0, 0xa0, 0xa0)
                                                         : QColor(0x70, 0x70, 0x70));
}

void fillDesktop(QPainter& painter, const QRect& area)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, QColor(0x2a, 0x5c, 0x9a));
    gradient.setColorAt(1.0, QColor(0x3a, 0x7b, 0xc0));
    painter.fillRect(area, gradient);
}

// Each tree's frames at full size in the order they play, once over a
// checkerboard (to judge the alpha) and once over a blue desktop.
QImage previewTrees(const std::map<QString, QImage>& pictures)
{
    const int gap = 8, label = 16, maxWidth = 2400;
    struct Row {
        const TreeKinds::Kind* kind;
        size_t first;
        size_t count;
        bool desktop;
    };
    std::vector<Row> rows;
    int height = gap;
    for (const auto& kind : TreeKinds::all()) {
        const size_t perRow = std::max<size_t>(1, (maxWidth - gap) / (kind.size.width() + gap));
        for (bool desktop : {false, true}) {
            for (size_t first = 0; first < kind.sequence.size(); first += perRow) {
                rows.push_back(
                    {&kind, first, std::min(perRow, kind.sequence.size() - first), desktop});
                height += kind.size.height() + label + gap;
            }
        }
    }
    QImage page(maxWidth, height, QImage::Format_ARGB32_Premultiplied);
    page.fill(QColor(0x30, 0x30, 0x30));
    QPainter painter(&page);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    int y = gap;
    for (const Row& row : rows) {
        const QSize size = row.kind->size;
        for (size_t i = 0; i < row.count; ++i) {
            const int id = row.kind->sequence[row.first + i];
            const QRect cell(gap + static_cast<int>(i) * (size.width() + gap), y + label,
                             size.width(), size.height());
            if (row.desktop)
                fillDesktop(painter, cell);
            else
                fillCheckerboard(painter, cell);
            const auto found = pictures.find(QStringLiteral("png/%1.png").arg(id));
            if (found != pictures.end())
                painter.drawImage(cell.topLeft(), found->second);
            painter.setPen(Qt::white);
            painter.drawText(cell.left(), y + label - 4,
                             QStringLiteral("%1 %2 (%3)")
                                 .arg(QString::fromLatin1(row.kind->name))
                                 .arg(id)
                                 .arg(row.first + i + 1));
        }
        y += size.height() + label + gap;
    }
    return page;
}

const ArtGroupRegistration registration("tree", &paintTrees, &previewTrees);

} // namespace
