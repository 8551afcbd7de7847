#include "PictureMeasures.h"

#include "core/ProgramResources.h"

#include <QTransform>

#include <algorithm>
#include <cstdlib>

namespace PictureMeasures {

namespace {

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                     std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Sum of f over every pair of pixels at one place in a and b, as stored
// (premultiplied where the picture has alpha).
template <typename F> double sumOverPixels(const QImage& a, const QImage& b, F f)
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
    return alphaSum(profile) > 0 ? weighted / alphaSum(profile) : -1.0;
}

int largestRowDifference(const QImage& a, int ay, const QImage& b, int by)
{
    int largest = 0;
    for (int x = 0; x < std::min(a.width(), b.width()); ++x)
        largest = std::max(largest, channelDifference(a.pixel(x, ay), b.pixel(x, by)));
    return largest;
}

int largestColumnDifference(const QImage& a, int ax, const QImage& b, int bx)
{
    return largestRowDifference(turned(a, 1), ax, turned(b, 1), bx);
}

QImage turned(const QImage& image, int quarterTurns)
{
    return image.transformed(QTransform().rotate(90.0 * quarterTurns));
}

double meanDifference(const QImage& a, const QImage& b)
{
    return sumOverPixels(a, b,
                         [](QRgb l, QRgb r) {
                             return std::abs(qAlpha(l) - qAlpha(r)) + std::abs(qRed(l) - qRed(r)) +
                                    std::abs(qGreen(l) - qGreen(r)) + std::abs(qBlue(l) - qBlue(r));
                         }) /
           (4.0 * a.width() * a.height());
}

double changedShare(const QImage& a, const QImage& b, int threshold)
{
    return sumOverPixels(a, b,
                         [=](QRgb l, QRgb r) { return channelDifference(l, r) > threshold; }) /
           (double(a.width()) * a.height());
}

double coveredShare(const QImage& image)
{
    return sumOverPixels(image, image, [](QRgb p, QRgb) { return qAlpha(p) > 63; }) /
           (double(image.width()) * image.height());
}

double meanAlpha(const QImage& image, const QRect& area)
{
    const QImage part = image.copy(area);
    return sumOverPixels(part, part, [](QRgb p, QRgb) { return qAlpha(p); }) /
           (double(area.width()) * area.height());
}

QPointF alphaCentroid(const QImage& image)
{
    const double total = sumOverPixels(image, image, [](QRgb p, QRgb) { return qAlpha(p); });
    QPointF sum;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += QPointF(x + 0.5, y + 0.5) * qAlpha(image.pixel(x, y));
    return total > 0 ? sum / total : QPointF(-1, -1);
}

double light(const QImage& image)
{
    return sumOverPixels(image, image, [](QRgb stored, QRgb) {
        const QRgb p = qUnpremultiply(stored);
        return qAlpha(p) / 255.0 * (qRed(p) + qGreen(p) + qBlue(p));
    });
}

} // namespace PictureMeasures
