// The frost pictures: one for screens up to 768 pixels high, one for larger
// screens, each drawn at its own size.
#include "ArtRegistry.h"
#include "FrostPainter.h"

#include "vocabulary/PictureIds.h"

#include <QPainter>

#include <thread>

namespace {

void paintFrost(ArtSink& sink)
{
    // The two sizes share nothing, so the larger one gets a thread of its own.
    QImage large;
    std::thread largeThread([&large] { large = FrostPainter(QSize(1920, 1080)).paint(); });
    sink.add(QStringLiteral("png/%1.png").arg(kSmallFrostPicture),
             FrostPainter(QSize(1366, 768)).paint());
    largeThread.join();
    sink.add(QStringLiteral("png/%1.png").arg(kLargeFrostPicture), large);
}

// A grey desktop with a few windows, to judge how much stays readable under
// the frost at full strength.
QImage fakeDesktop(QSize size)
{
    QImage desktop(size, QImage::Format_ARGB32_Premultiplied);
    desktop.fill(QColor(0x80, 0x80, 0x80));
    QPainter p(&desktop);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = size.height() / 768.0;
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(13 * k));
    p.setFont(font);
    struct Window {
        QRectF rect;
        QColor body, text;
        QString title;
    };
    const Window windows[] = {
        {{60, 50, 520, 360}, QColor(250, 250, 250), QColor(30, 30, 30), QStringLiteral("Letter")},
        {{640, 120, 620, 300},
         QColor(24, 24, 28),
         QColor(120, 230, 120),
         QStringLiteral("Terminal")},
        {{300, 440, 700, 280}, QColor(236, 240, 246), QColor(20, 40, 90), QStringLiteral("Files")},
    };
    for (const Window& w : windows) {
        const QRectF r(w.rect.x() * k, w.rect.y() * k, w.rect.width() * k, w.rect.height() * k);
        p.fillRect(r.adjusted(4 * k, 4 * k, 4 * k, 4 * k), QColor(0, 0, 0, 60));
        p.fillRect(r, w.body);
        p.fillRect(QRectF(r.x(), r.y(), r.width(), 26 * k), QColor(58, 92, 150));
        p.setPen(Qt::white);
        p.drawText(QPointF(r.x() + 10 * k, r.y() + 18 * k), w.title);
        p.setPen(w.text);
        for (int line = 0; r.y() + (50 + line * 20) * k < r.bottom() - 10 * k; ++line)
            p.drawText(QPointF(r.x() + 12 * k, r.y() + (50 + line * 20) * k),
                       QStringLiteral("The quick brown fox jumps over the lazy dog %1").arg(line));
    }
    // Desktop icons down the left edge, where the frost is thick.
    for (int i = 0; i < 6; ++i) {
        const QRectF icon(14 * k, (420 + i * 56) * k, 36 * k, 36 * k);
        if (icon.bottom() > size.height())
            break;
        p.setBrush(QColor(230, 200, 90));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(icon, 5 * k, 5 * k);
    }
    return desktop;
}

QImage previewFrost(const std::map<QString, QImage>& pictures)
{
    const int shownWidth = 1100;
    std::vector<QImage> shots;
    for (const QString& id : {QStringLiteral("png/554.png"), QStringLiteral("png/555.png")}) {
        const auto found = pictures.find(id);
        if (found == pictures.end())
            continue;
        QImage desktop = fakeDesktop(found->second.size());
        QPainter p(&desktop);
        p.drawImage(0, 0, found->second);
        p.end();
        shots.push_back(desktop.scaledToWidth(shownWidth, Qt::SmoothTransformation));
        // The top-left corner at 1:1, where the frost is densest.
        shots.push_back(desktop.copy(0, 0, shownWidth, 420));
    }
    int height = 0;
    for (const QImage& shot : shots)
        height += shot.height() + 10;
    QImage page(shownWidth + 20, height + 10, QImage::Format_ARGB32_Premultiplied);
    page.fill(QColor(0x30, 0x30, 0x30));
    QPainter p(&page);
    int y = 10;
    for (const QImage& shot : shots) {
        p.drawImage(10, y, shot);
        y += shot.height() + 10;
    }
    return page;
}

const ArtGroupRegistration registration("frost", &paintFrost, &previewFrost);

} // namespace
