#include "SnowPreview.h"

#include "vocabulary/PictureIds.h"
#include "vocabulary/SnowPictures.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace {

struct Row {
    QString title;
    std::vector<int> ids;
};

template <typename... Lists> std::vector<int> idsOf(const Lists&... lists)
{
    std::vector<int> ids;
    (ids.insert(ids.end(), std::begin(lists), std::end(lists)), ...);
    return ids;
}

template <typename List> QString idRange(const List& list)
{
    return QStringLiteral("%1-%2").arg(*std::begin(list)).arg(*std::rbegin(list));
}

const std::vector<Row>& flakeRows()
{
    static const std::vector<Row> rows{
        {QStringLiteral("fluffy ") + idRange(kFluffySnowPictures), idsOf(kFluffySnowPictures)},
        {QStringLiteral("fine %1, sparkling %2")
             .arg(idRange(kFineSnowPictures), idRange(kSparklingSnowPictures)),
         idsOf(kFineSnowPictures, kSparklingSnowPictures)},
        {QStringLiteral("thick ") + idRange(kThickSnowPictures), idsOf(kThickSnowPictures)},
        {QStringLiteral("fantasy"),
         idsOf(std::array{kFernDendritePicture, kStellarPlatePicture, kBroadBranchesPicture,
                          kStarPlatePicture, kSectoredPlatePicture, kDiamondTipsPicture,
                          kTwelveRaysPicture, kGlowingStarPicture, kRingedNeedlesPicture})},
    };
    return rows;
}

QImage picture(const std::map<QString, QImage>& pictures, int id)
{
    const auto found = pictures.find(QStringLiteral("png/%1.png").arg(id));
    return found == pictures.end() ? QImage() : found->second;
}

constexpr int zoom = 4;
constexpr int gap = 12;
constexpr int titleHeight = 18;
constexpr int pageWidth = 1420;

// The desktop a deep-snow frame is judged on: a dark wallpaper with a white
// window in the middle, where white flakes are hardest to see.
void paintDesktop(QPainter& p, const QRect& rect)
{
    QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
    sky.setColorAt(0.0, QColor(22, 40, 72));
    sky.setColorAt(1.0, QColor(60, 92, 120));
    p.fillRect(rect, sky);
    const QRect window(rect.left() + rect.width() / 3, rect.top() + rect.height() / 5,
                       rect.width() / 2, rect.height() / 2);
    p.fillRect(window, QColor(250, 250, 250));
    p.fillRect(QRect(window.topLeft(), QSize(window.width(), 14)), QColor(210, 214, 220));
}

} // namespace

QImage previewSnow(const std::map<QString, QImage>& pictures)
{
    const std::vector<QColor> backgrounds{QColor(24, 34, 52), QColor(248, 248, 248)};
    // Each band holds the enlarged pictures and, under them, the pictures at 1:1.
    auto bandHeight = [&](const Row& row) {
        int tallest = 0;
        for (int id : row.ids)
            tallest = std::max(tallest, picture(pictures, id).height());
        return tallest * (zoom + 1) + 10;
    };
    int height = gap;
    for (const Row& row : flakeRows())
        height += (titleHeight + bandHeight(row) + gap) * static_cast<int>(backgrounds.size());
    const QSize deepSize(683, 384);
    height += 2 * (titleHeight + deepSize.height() + gap) + gap;

    QImage page(pageWidth, height, QImage::Format_ARGB32_Premultiplied);
    page.fill(QColor(48, 48, 48));
    QPainter p(&page);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);

    int y = gap;
    for (const Row& row : flakeRows()) {
        const int rowHeight = bandHeight(row);
        int tallest = 0;
        for (int id : row.ids)
            tallest = std::max(tallest, picture(pictures, id).height());
        for (const QColor& background : backgrounds) {
            p.setPen(Qt::white);
            p.drawText(gap, y + titleHeight - 5, row.title + QStringLiteral(" (x4, and x1 below)"));
            y += titleHeight;
            p.fillRect(QRect(gap, y, pageWidth - 2 * gap, rowHeight), background);
            int x = 2 * gap;
            for (int id : row.ids) {
                const QImage image = picture(pictures, id);
                if (image.isNull())
                    continue;
                // Nearest-pixel enlargement: each picture pixel shows as a block.
                p.drawImage(QRect(x, y + 2, image.width() * zoom, image.height() * zoom), image);
                p.drawImage(x, y + tallest * zoom + 6, image);
                x += std::max(image.width() * zoom, 24) + gap;
            }
            y += rowHeight + gap;
        }
    }

    const int first = static_cast<int>(kFirstDeepPicture);
    const int last = first + static_cast<int>(kDeepPictureCount) - 1;
    const int middle = first + static_cast<int>(kDeepPictureCount) / 2 - 1;
    const std::vector<std::pair<int, QString>> deepFrames{
        {first, QStringLiteral("deep %1 (first)").arg(first)},
        {middle, QStringLiteral("deep %1 (middle)").arg(middle)},
        {last, QStringLiteral("deep %1 (last)").arg(last)},
        {first, QStringLiteral("deep %1 again").arg(first)}};
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t i = 0; i < deepFrames.size(); ++i) {
        const int column = static_cast<int>(i % 2);
        const int x = gap + column * (deepSize.width() + gap);
        const QRect rect(QPoint(x, y + titleHeight), deepSize);
        p.setPen(Qt::white);
        p.drawText(x, y + titleHeight - 5, deepFrames[i].second);
        paintDesktop(p, rect);
        const QImage frame = picture(pictures, deepFrames[i].first);
        if (!frame.isNull())
            p.drawImage(rect, frame);
        if (column == 1)
            y += titleHeight + deepSize.height() + gap;
    }
    return page;
}
