#include "PictureMeasures.h"

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

} // namespace

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

int largestColumnDifference(const QImage& a, int ax, const QImage& b, int bx)
{
    int largest = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        largest = std::max(largest, channelDifference(a.pixel(ax, y), b.pixel(bx, y)));
    return largest;
}

int largestRowDifference(const QImage& a, int ay, const QImage& b, int by)
{
    int largest = 0;
    for (int x = 0; x < std::min(a.width(), b.width()); ++x)
        largest = std::max(largest, channelDifference(a.pixel(x, ay), b.pixel(x, by)));
    return largest;
}

double alphaCentre(const std::vector<int>& profile)
{
    double weighted = 0, total = 0;
    for (size_t i = 0; i < profile.size(); ++i) {
        weighted += double(i) * profile[i];
        total += profile[i];
    }
    return total > 0 ? weighted / total : -1.0;
}

int alphaSum(const std::vector<int>& profile)
{
    int total = 0;
    for (int alpha : profile)
        total += alpha;
    return total;
}

QImage turned(const QImage& image, int quarterTurns)
{
    return image.transformed(QTransform().rotate(90.0 * quarterTurns));
}

double meanDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double total = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x)
            total += std::abs(qAlpha(l[x]) - qAlpha(r[x])) + std::abs(qRed(l[x]) - qRed(r[x])) +
                     std::abs(qGreen(l[x]) - qGreen(r[x])) + std::abs(qBlue(l[x]) - qBlue(r[x]));
    }
    return total / (4.0 * left.width() * left.height());
}

double changedShare(const QImage& a, const QImage& b, int threshold)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    long changed = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x)
            if (channelDifference(l[x], r[x]) > threshold)
                ++changed;
    }
    return double(changed) / (double(left.width()) * left.height());
}

double meanAlpha(const QImage& image, const QRect& area)
{
    double total = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            total += qAlpha(image.pixel(x, y));
    return total / (double(area.width()) * area.height());
}

QPointF alphaCentroid(const QImage& image)
{
    double sx = 0, sy = 0, total = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            sx += (x + 0.5) * alpha;
            sy += (y + 0.5) * alpha;
            total += alpha;
        }
    return total > 0 ? QPointF(sx / total, sy / total) : QPointF(-1, -1);
}

} // namespace PictureMeasures
