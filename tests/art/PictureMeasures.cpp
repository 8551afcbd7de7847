#include "PictureMeasures.h"

#include "core/ProgramResources.h"

#include <QTransform>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace PictureMeasures {

namespace {

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                     std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Sum of f over every pair of pixels at one place in a and b.
double sumOverPixels(const QImage& a, const QImage& b, const std::function<double(QRgb, QRgb)>& f)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            total += f(l[x], r[x]);
    }
    return total;
}

// Weight of a pixel in light: its colour scaled by its coverage.
double lightOf(QRgb p)
{
    return qAlpha(p) / 255.0 * (qRed(p) + qGreen(p) + qBlue(p));
}

QPointF centroid(const QImage& image, const std::function<double(QRgb)>& weight)
{
    double sx = 0, sy = 0, total = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double w = weight(image.pixel(x, y));
            sx += (x + 0.5) * w;
            sy += (y + 0.5) * w;
            total += w;
        }
    return total > 0 ? QPointF(sx / total, sy / total) : QPointF(-1, -1);
}

} // namespace

QImage packedPicture(unsigned id)
{
    const auto picture = LoadPngResource(id);
    return picture ? *picture : QImage();
}

std::vector<int> alphaColumn(const QImage& image, int x)
{
    std::vector<int> profile;
    for (int y = 0; y < image.height(); ++y)
        profile.push_back(qAlpha(image.pixel(x, y)));
    return profile;
}

std::vector<int> alphaRow(const QImage& image, int y)
{
    std::vector<int> profile;
    for (int x = 0; x < image.width(); ++x)
        profile.push_back(qAlpha(image.pixel(x, y)));
    return profile;
}

int alphaSum(const std::vector<int>& profile)
{
    int total = 0;
    for (int alpha : profile)
        total += alpha;
    return total;
}

double alphaCentre(const std::vector<int>& profile)
{
    double weighted = 0;
    for (size_t i = 0; i < profile.size(); ++i)
        weighted += double(i) * profile[i];
    const int total = alphaSum(profile);
    return total > 0 ? weighted / total : -1.0;
}

int largestColumnDifference(const QImage& a, int ax, const QImage& b, int bx)
{
    return largestRowDifference(turned(a, 1), ax, turned(b, 1), bx);
}

int largestRowDifference(const QImage& a, int ay, const QImage& b, int by)
{
    int largest = 0;
    for (int x = 0; x < std::min(a.width(), b.width()); ++x)
        largest = std::max(largest, channelDifference(a.pixel(x, ay), b.pixel(x, by)));
    return largest;
}

QImage turned(const QImage& image, int quarterTurns)
{
    return image.transformed(QTransform().rotate(90.0 * quarterTurns));
}

double meanDifference(const QImage& a, const QImage& b)
{
    const double total = sumOverPixels(a, b, [](QRgb l, QRgb r) {
        return std::abs(qAlpha(l) - qAlpha(r)) + std::abs(qRed(l) - qRed(r)) +
               std::abs(qGreen(l) - qGreen(r)) + std::abs(qBlue(l) - qBlue(r));
    });
    return total / (4.0 * a.width() * a.height());
}

double changedShare(const QImage& a, const QImage& b, int threshold)
{
    const double changed = sumOverPixels(
        a, b, [threshold](QRgb l, QRgb r) { return channelDifference(l, r) > threshold; });
    return changed / (double(a.width()) * a.height());
}

double coveredShare(const QImage& image)
{
    QImage clear(image.size(), image.format());
    clear.fill(Qt::transparent);
    return changedShare(image, clear, 63);
}

double meanAlpha(const QImage& image, const QRect& area)
{
    const QImage part = image.copy(area);
    return sumOverPixels(part, part, [](QRgb p, QRgb) { return qAlpha(p); }) /
           (double(area.width()) * area.height());
}

QPointF alphaCentroid(const QImage& image)
{
    return centroid(image, [](QRgb p) { return qAlpha(p); });
}

QPointF lightCentroid(const QImage& image)
{
    return centroid(image, lightOf);
}

double light(const QImage& image)
{
    return sumOverPixels(image, image, [](QRgb p, QRgb) { return lightOf(p); });
}

} // namespace PictureMeasures
