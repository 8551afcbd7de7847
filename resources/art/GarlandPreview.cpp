#include "GarlandPreview.h"

#include "vocabulary/GarlandKeys.h"
#include "vocabulary/GarlandPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <array>
#include <vector>

namespace {

// One screen of garland: a picture turned by quarter turns and placed by its
// top-left corner, exactly as the garland window lays its pieces.
struct PreviewScreen {
    const std::map<QString, QImage>& pictures;
    QPainter& painter;
    int W;
    int H;
    bool lit;
    std::map<std::pair<int, int>, QImage> turned;

    const QImage& picture(int id, int quarterTurns)
    {
        const auto key = std::make_pair(id, quarterTurns & 3);
        auto found = turned.find(key);
        if (found != turned.end())
            return found->second;
        const auto source = pictures.find(QStringLiteral("png/%1.png").arg(id));
        QImage image = source == pictures.end() ? QImage(1, 1, QImage::Format_ARGB32_Premultiplied)
                                                : source->second;
        if (key.second)
            image = image.transformed(QTransform().rotate(90 * key.second));
        return turned.emplace(key, image).first->second;
    }

    void draw(int id, int quarterTurns, int x, int y)
    {
        painter.drawImage(x, y, picture(id, quarterTurns));
    }
    // A joining wire stretched over the area, as the window fills the room it
    // leaves between pieces.
    void join(unsigned id, int quarterTurns, const QRect& area)
    {
        if (area.width() > 0 && area.height() > 0)
            painter.drawImage(area, picture(static_cast<int>(id), quarterTurns));
    }

    int pick(std::pair<int, int> unlitLit) const { return lit ? unlitLit.second : unlitLit.first; }
};

using Pair = std::pair<int, int>;

int pictureId(unsigned picture)
{
    return static_cast<int>(picture);
}

Pair straightPair(const GarlandColourPictures& colour)
{
    return {pictureId(colour.straightUnlit), pictureId(colour.straightLit)};
}

Pair cornerPair(const GarlandColourPictures& colour)
{
    return {pictureId(colour.cornerUnlit), pictureId(colour.cornerLit)};
}

void bulbString(PreviewScreen& s, const std::vector<Pair>& straight,
                const std::vector<Pair>& corner)
{
    const int w = 48, h = 48, W = s.W, H = s.H;
    const int nV = (H - 2 * h) / h, nH = (W - 2 * w) / w;
    const int remV = H - 2 * h - h * nV, remH = W - 2 * w - w * nH;
    size_t colour = 0;
    auto next = [&](const std::vector<Pair>& set) { return s.pick(set[colour++ % set.size()]); };
    // Corners reach further along the edges than a straight piece; the
    // window places them by their own size.
    auto cornerSize = [&](const std::vector<Pair>& set) {
        return s.picture(set.front().first, 0).width();
    };
    const int c = cornerSize(corner);
    s.draw(next(corner), 1, 0, 0);
    for (int i = 0, x = w + remH / 2; i < nH; ++i, x += w)
        s.draw(next(straight), 2, x, 0);
    s.draw(next(corner), 2, W - c, 0);
    for (int i = 0, y = h + remV / 2; i < nV; ++i, y += h)
        s.draw(next(straight), 3, W - w, y);
    s.draw(next(corner), 3, W - c, H - c);
    for (int i = 0, d = 2 * w + remH / 2; i < nH; ++i, d += w)
        s.draw(next(straight), 0, W - d, H - h);
    s.draw(next(corner), 0, 0, H - c);
    for (int i = 0, d = 2 * h + remV / 2; i < nV; ++i, d += h)
        s.draw(next(straight), 1, 0, H - d);
}

void whiteString(PreviewScreen& s)
{
    const int w = 32, h = 32, W = s.W, H = s.H;
    const int nH = W / w, remH = W - w * nH, nV = (H - 2 * h) / h, remV = H - 2 * h - h * nV;
    const int id = s.pick({pictureId(kWhiteBulbUnlitPicture), pictureId(kWhiteBulbLitPicture)});
    const int rightEnd = h + remV / 2 + h * nV, leftTop = H - h - remV / 2 - h * nV;
    s.join(kWhiteWireBendRightPicture, 2, QRect(0, 0, w, h));
    s.join(kWhiteWireBendLeftPicture, 2, QRect(W - w, 0, w, h));
    s.join(kWhiteWireBendRightPicture, 0, QRect(W - w, H - h, w, h));
    s.join(kWhiteWireBendLeftPicture, 0, QRect(0, H - h, w, h));
    s.join(kWhiteWirePicture, 3, QRect(W - w, h, w, remV / 2));
    s.join(kWhiteWirePicture, 3, QRect(W - w, rightEnd, w, H - h - rightEnd));
    s.join(kWhiteWirePicture, 1, QRect(0, H - h - remV / 2, w, remV / 2));
    s.join(kWhiteWirePicture, 1, QRect(0, h, w, leftTop - h));
    for (int i = 0, x = remH / 2; i < nH; ++i, x += w)
        s.draw(id, 2, x, 0);
    for (int i = 0, y = h + remV / 2; i < nV; ++i, y += h)
        s.draw(id, 3, W - w, y);
    for (int i = 0, d = w + remH / 2; i < nH; ++i, d += w)
        s.draw(id, 0, W - d, H - h);
    for (int i = 0, d = 2 * h + remV / 2; i < nV; ++i, d += h)
        s.draw(id, 1, 0, H - d);
}

int pineTiles(int n)
{
    return n + 2 + ((n + 1) * 12) / 36;
}

void pine(PreviewScreen& s)
{
    const int w = 48, h = 48, W = s.W, H = s.H;
    const int cV = pineTiles(H / h), cH = pineTiles(W / w);
    for (int i = 0, x = -12; i < cH; ++i, x += w - 12)
        s.draw(pictureId(kPineBranchPicture), 1, x, -12);
    for (int i = 0, y = -12; i < cV; ++i, y += h - 12)
        s.draw(pictureId(kPineBranchPicture), 2, W - w + 12, y);
    for (int i = 0, x = -12; i < cH; ++i, x += w - 12)
        s.draw(pictureId(kPineBranchPicture), 3, x, H - h + 12);
    for (int i = 0, d = -12; i < cV; ++i, d += h - 12)
        s.draw(pictureId(kPineBranchPicture), 0, -12, H - d);
    const int light = s.pick({pictureId(kPineLightUnlitPicture), pictureId(kPineLightLitPicture)});
    const int nH = W / w, remH = W - w * nH, nV = H / h, remV = H - h * nV;
    for (int i = 0, x = remH / 2; i < nH; ++i, x += w)
        s.draw(light, 1, x, -12);
    for (int i = 0, y = remV / 2; i < nV; ++i, y += h)
        s.draw(light, 2, W - w + 12, y);
    for (int i = 0, d = w + remH / 2; i < nH; ++i, d += w)
        s.draw(light, 3, W - d, H - h + 12);
    for (int i = 0, d = h + remV / 2; i < nV; ++i, d += h)
        s.draw(light, 0, -12, H - d);
}

void christmasPine(PreviewScreen& s)
{
    const int w = 48, h = 48, W = s.W, H = s.H, wG = 480;
    const int cV = pineTiles(H / h), cH = pineTiles(W / w);
    const int nG = W / (wG - 36) + (W % (wG - 36) ? 1 : 0);
    for (int i = 0, x = -12; i < cH; ++i, x += w - 12)
        s.draw(pictureId(kPineBranchPicture), 3, x, H - h + 12);
    const int start = -((wG - 36) * nG - W) / 2;
    for (int i = 0, x = start; i < nG; ++i, x += wG - 36)
        s.draw(pictureId(kPineSectionPicture), 0, x, -24);
    for (int i = 0, x = start; i < nG; ++i, x += wG - 36)
        s.draw(s.pick({pictureId(kPineSectionLightsUnlitPicture),
                       pictureId(kPineSectionLightsLitPicture)}),
               0, x, -24);
    for (int i = 0, y = -12; i < cV; ++i, y += h - 12) {
        s.draw(pictureId(kPineBranchPicture), 0, -12, y);
        s.draw(pictureId(kPineBranchPicture), 0, W - w + 12, y);
    }
    const int light = s.pick({pictureId(kPineLightUnlitPicture), pictureId(kPineLightLitPicture)});
    const int nLV = H / h + 1, nLH = W / w, remH = W - w * nLH;
    for (int i = 0, y = 0; i < nLV; ++i, y += h)
        s.draw(light, 0, W - w + 12, y);
    for (int i = 0, d = w + remH / 2; i < nLH; ++i, d += w)
        s.draw(light, 3, W - d, H - h + 12);
    for (int i = 0, d = h; i < nLV; ++i, d += h)
        s.draw(light, 0, -12, H - d);
}

void icicles(PreviewScreen& s)
{
    const int w = 100, W = s.W;
    const int m = W / w, c = m + (m * 20) / (w - 20);
    for (int i = 0, x = (W - (w - 20) * c) / 2 - 20; i < c; ++i, x += w - 20) {
        const int unlit = pictureId(kFirstIciclePicture) + 2 * (i % pictureId(kIcicleVariantCount));
        s.draw(s.pick({unlit, unlit + 1}), 0, x, 0);
    }
}

void balls(PreviewScreen& s)
{
    const auto& [blue, green, red, yellow] = kBallLightPictures;
    const std::vector<Pair> straight{straightPair(blue), straightPair(green), straightPair(yellow),
                                     straightPair(red)};
    const std::vector<Pair> corner{cornerPair(blue), cornerPair(green), cornerPair(yellow),
                                   cornerPair(red)};
    const int w = 96, h = 96, W = s.W, H = s.H;
    const int nV = (H - 2 * h) / h, nH = (W - 2 * w) / w;
    const int gapV = (H - 2 * h - h * nV) / (nV + 1), gapH = (W - 2 * w - w * nH) / (nH + 1);
    const int rowEnd = w + nH * (w + gapH), columnEnd = h + nV * (h + gapV);
    for (int i = 0; i <= nH; ++i) {
        const int x = w + i * (w + gapH), gap = i < nH ? gapH : W - w - rowEnd;
        s.join(kBallWirePicture, 2, QRect(x, 0, gap, h));
        s.join(kBallWirePicture, 0, QRect(W - x - gap, H - h, gap, h));
    }
    for (int i = 0; i <= nV; ++i) {
        const int y = h + i * (h + gapV), gap = i < nV ? gapV : H - h - columnEnd;
        s.join(kBallWirePicture, 3, QRect(W - w, y, w, gap));
        s.join(kBallWirePicture, 1, QRect(0, H - y - gap, w, gap));
    }
    size_t colour = 0;
    auto next = [&](const std::vector<Pair>& set) { return s.pick(set[colour++ % set.size()]); };
    s.draw(next(corner), 1, 0, 0);
    for (int i = 0, x = w + gapH; i < nH; ++i, x += w + gapH)
        s.draw(next(straight), 2, x, 0);
    s.draw(next(corner), 2, W - w, 0);
    for (int i = 0, y = h + gapV; i < nV; ++i, y += h + gapV)
        s.draw(next(straight), 3, W - w, y);
    s.draw(next(corner), 3, W - w, H - h);
    for (int i = 0, d = 2 * w + gapH; i < nH; ++i, d += w + gapH)
        s.draw(next(straight), 0, W - d, H - h);
    s.draw(next(corner), 0, 0, H - h);
    for (int i = 0, d = 2 * h + gapV; i < nV; ++i, d += h + gapV)
        s.draw(next(straight), 1, 0, H - d);
}

void backlight(PreviewScreen& s)
{
    const std::array<int, 4> glows{
        pictureId(kBacklightPictures[0]), pictureId(kBacklightPictures[1]),
        pictureId(kBacklightPictures[3]), pictureId(kBacklightPictures[2])};
    const int w = 96, h = 96, W = s.W, H = s.H;
    const int nV = (H - h) / h, nH = (W - w) / w;
    const int gapV = (H - h * nV - h) / (nV + 1), gapH = (W - w * nH - w) / (nH + 1);
    size_t colour = 0;
    auto draw = [&](int q, int x, int y) {
        const int id = glows[colour++ % 4];
        if (s.lit)
            s.draw(id, q, x, y);
        else
            s.draw(pictureId(kBacklightPictures[4]), 0, x, y);
    };
    draw(2, -w / 2, 0);
    for (int i = 0, x = w / 2 + gapH; i < nH; ++i, x += w + gapH)
        draw(2, x, 0);
    draw(2, W - w / 2, 0);
    for (int i = 0, y = h / 2 + gapV; i < nV; ++i, y += h + gapV)
        draw(3, W - w, y);
    draw(3, W - w, H - h / 2);
    for (int i = 0, d = w / 2 + w + gapH; i < nH; ++i, d += w + gapH)
        draw(0, W - d, H - h);
    draw(0, -w / 2, H - h);
    for (int i = 0, d = h / 2 + h + gapV; i < nV; ++i, d += h + gapV)
        draw(1, 0, H - d);
}

void snowflakes(PreviewScreen& s)
{
    const std::array<int, 4> flakes{
        pictureId(kSnowflakeLightPictures[0]), pictureId(kSnowflakeLightPictures[1]),
        pictureId(kSnowflakeLightPictures[2]), pictureId(kSnowflakeLightPictures[3])};
    const int w = 156, h = 156, W = s.W, H = s.H;
    const int nV = (H + 2 * (44 - h)) / h, nH = (W + 2 * (44 - w)) / w;
    const int gapV = (H + 2 * (44 - h) - h * nV) / (nV + 1);
    const int gapH = (W + 2 * (44 - w) - w * nH) / (nH + 1);
    for (int i = 0; i <= nH; ++i) {
        const int x = i == 0 ? 0 : w - 44 + i * (w + gapH);
        const int end = i < nH ? w - 44 + gapH + i * (w + gapH) : W;
        s.join(kSnowflakeStringPicture, 2, QRect(x, 0, end - x, h));
        s.join(kSnowflakeStringPicture, 0, QRect(W - end, H - h, end - x, h));
    }
    for (int i = 0; i <= nV; ++i) {
        const int y = h - 44 + i * (h + gapV);
        const int end = i < nV ? h - 44 + gapV + i * (h + gapV) : H - h + 44;
        s.join(kSnowflakeStringPicture, 3, QRect(W - w, y, w, end - y));
        s.join(kSnowflakeStringPicture, 1, QRect(0, H - end, w, end - y));
    }
    size_t colour = 0;
    auto draw = [&](int q, int x, int y) {
        const int id = flakes[colour++ % 4];
        s.draw(s.lit ? id : pictureId(kSnowflakeLightPictures[4]), q, x, y);
    };
    for (int i = 0, x = gapH + w - 44; i < nH; ++i, x += w + gapH)
        draw(2, x, 0);
    draw(3, W - w, -44);
    for (int i = 0, y = h + gapV - 44; i < nV; ++i, y += h + gapV)
        draw(3, W - w, y);
    draw(3, W - w, H - h + 44);
    for (int i = 0, d = gapH + 2 * w - 44; i < nH; ++i, d += w + gapH)
        draw(0, W - d, H - h);
    draw(1, 0, H - h + 44);
    for (int i = 0, d = gapV + 2 * h - 44; i < nV; ++i, d += h + gapV)
        draw(1, 0, H - d);
    draw(1, 0, -44);
}

// A desktop that runs from night blue at the top left to pale grey at the
// bottom right, so every garland shows over both dark and light wallpaper.
QImage desktop(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QLinearGradient gradient(QPointF(0, 0), QPointF(size.width(), size.height()));
    gradient.setColorAt(0.0, QColor(10, 16, 34));
    gradient.setColorAt(0.45, QColor(40, 58, 92));
    gradient.setColorAt(0.62, QColor(150, 164, 182));
    gradient.setColorAt(1.0, QColor(232, 236, 240));
    p.fillRect(image.rect(), gradient);
    return image;
}

QImage screen(const std::map<QString, QImage>& pictures, int type, bool lit)
{
    const QSize size(1280, 720);
    QImage image = desktop(size);
    QPainter p(&image);
    PreviewScreen s{pictures, p, size.width(), size.height(), lit, {}};
    std::vector<Pair> bulbs, bulbCorners, berries, berryCorners;
    for (const GarlandColourPictures& colour : kBulbPictures) {
        bulbs.push_back(straightPair(colour));
        bulbCorners.push_back(cornerPair(colour));
    }
    for (const GarlandColourPictures& colour : kStrawberryPictures) {
        berries.push_back(straightPair(colour));
        berryCorners.push_back(cornerPair(colour));
    }
    switch (type) {
    case 0:
        bulbString(s, bulbs, bulbCorners);
        break;
    case 1:
        bulbString(s, {bulbs[0]}, {bulbCorners[0]});
        break;
    case 2:
        whiteString(s);
        break;
    case 3:
        bulbString(s, berries, berryCorners);
        break;
    case 4:
        bulbString(s, {berries[0]}, {berryCorners[0]});
        break;
    case 5:
        pine(s);
        break;
    case 6:
        christmasPine(s);
        break;
    case 7:
        icicles(s);
        break;
    case 8:
        balls(s);
        break;
    case 9:
        backlight(s);
        break;
    default:
        snowflakes(s);
        break;
    }
    return image;
}

} // namespace

QImage previewGarland(const std::map<QString, QImage>& pictures)
{
    // Per garland: both screens at half size, then the dark top-left corner
    // and the light bottom-right corner at 1:1, lit beside unlit.
    const int half = 640, halfH = 360, crop = 340, gap = 8, label = 18;
    const int rowH = label + std::max(halfH, crop) + gap;
    QImage page(2 * half + 4 * crop + 6 * gap, 11 * rowH + gap,
                QImage::Format_ARGB32_Premultiplied);
    page.fill(QColor(0x30, 0x30, 0x30));
    QPainter p(&page);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    for (int type = 0; type < 11; ++type) {
        const int top = gap + type * rowH;
        const QImage on = screen(pictures, type, true);
        const QImage off = screen(pictures, type, false);
        p.setPen(Qt::white);
        p.drawText(gap, top + 13,
                   QStringLiteral("%1 \u2014 lit | unlit | top-left 1:1 lit, unlit | "
                                  "bottom-right 1:1 lit, unlit")
                       .arg(QString::fromLatin1(kGarlandKeys[static_cast<size_t>(type)])));
        const int y = top + label;
        int x = gap;
        p.drawImage(QRect(x, y, half, halfH), on);
        x += half + gap;
        p.drawImage(QRect(x, y, half, halfH), off);
        x += half + gap;
        p.drawImage(x, y, on.copy(0, 0, crop, crop));
        x += crop + gap;
        p.drawImage(x, y, off.copy(0, 0, crop, crop));
        x += crop + gap;
        p.drawImage(x, y, on.copy(1280 - crop, 720 - crop, crop, crop));
        x += crop + gap;
        p.drawImage(x, y, off.copy(1280 - crop, 720 - crop, crop, crop));
    }
    return page;
}
