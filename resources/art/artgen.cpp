// Draws every picture of the program and writes them with a resource list.
//
//   yulavin-artgen OUTDIR                 pictures + art.qrc into OUTDIR
//   yulavin-artgen --sheet FILE [GROUP..] a contact sheet of the pictures
//   yulavin-artgen --only GROUP OUTDIR    one group's pictures (for quick work)
#include "ArtRegistry.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

QByteArray encodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool writeIfChanged(const QString& path, const QByteArray& bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

std::map<QString, QImage> runGroups(const QStringList& only)
{
    ArtSink sink;
    std::vector<std::thread> threads;
    for (const ArtGroup& group : ArtGroup::all()) {
        if (!only.isEmpty() && !only.contains(QString::fromLatin1(group.name)))
            continue;
        threads.emplace_back([&sink, &group] { group.paint(sink); });
    }
    for (auto& thread : threads)
        thread.join();
    return sink.pictures();
}

int writeResources(const QString& outDir, const QStringList& only)
{
    const auto pictures = runGroups(only);
    QDir().mkpath(outDir);

    std::vector<std::pair<QString, QImage>> list(pictures.begin(), pictures.end());
    std::vector<QByteArray> encoded(list.size());
    const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            for (size_t i = w; i < list.size(); i += workers)
                encoded[i] = encodePng(list[i].second);
        });
    }
    for (auto& thread : threads)
        thread.join();

    QString qrc;
    QTextStream qrcText(&qrc);
    qrcText << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (size_t i = 0; i < list.size(); ++i) {
        const QString path = outDir + QLatin1Char('/') + list[i].first;
        QDir().mkpath(QFileInfo(path).path());
        if (!writeIfChanged(path, encoded[i])) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        qrcText << "  <file>" << list[i].first << "</file>\n";
    }
    qrcText << "</qresource>\n</RCC>\n";
    qrcText.flush();
    if (!writeIfChanged(outDir + QStringLiteral("/art.qrc"), qrc.toUtf8()))
        return 1;
    std::printf("%zu pictures in %s\n", list.size(), qPrintable(outDir));
    return 0;
}

QImage checkerboard(QSize size)
{
    QImage sheet(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&sheet);
    const int cell = 8;
    for (int y = 0; y < size.height(); y += cell)
        for (int x = 0; x < size.width(); x += cell)
            p.fillRect(x, y, cell, cell,
                       ((x / cell + y / cell) % 2) ? QColor(0x9a, 0x9a, 0x9a)
                                                   : QColor(0x6a, 0x6a, 0x6a));
    return sheet;
}

// Every picture in rows, large ones scaled down, each labelled with its path.
QImage overview(const std::map<QString, QImage>& pictures)
{
    const int width = 2400, maxSide = 300, gap = 10, label = 14;
    struct Placed {
        QString name;
        QImage image;
        QRect rect;
    };
    std::vector<Placed> placed;
    int x = gap, y = gap, rowHeight = 0;
    for (const auto& [name, image] : pictures) {
        QSize size = image.size();
        if (size.width() > maxSide || size.height() > maxSide)
            size.scale(maxSide, maxSide, Qt::KeepAspectRatio);
        const int cellWidth = std::max(size.width(), 60);
        if (x + cellWidth > width - gap) {
            x = gap;
            y += rowHeight + label + gap;
            rowHeight = 0;
        }
        placed.push_back({name, image, QRect(QPoint(x, y), size)});
        x += cellWidth + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet = checkerboard(QSize(width, y + rowHeight + label + gap));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    for (const auto& item : placed) {
        p.drawImage(item.rect, item.image);
        p.setPen(Qt::white);
        p.drawText(item.rect.left(), item.rect.bottom() + label - 2, item.name);
    }
    return sheet;
}

int writeSheet(const QString& file, const QStringList& only)
{
    const auto pictures = runGroups(only);
    std::vector<QImage> pages{overview(pictures)};
    for (const ArtGroup& group : ArtGroup::all()) {
        if (group.preview && (only.isEmpty() || only.contains(QString::fromLatin1(group.name))))
            pages.push_back(group.preview(pictures));
    }
    int width = 0, height = 0;
    for (const auto& page : pages) {
        width = std::max(width, page.width());
        height += page.height();
    }
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x30, 0x30, 0x30));
    QPainter p(&sheet);
    int y = 0;
    for (const auto& page : pages) {
        p.drawImage(0, y, page);
        y += page.height();
    }
    p.end();
    return sheet.save(file) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args[0] == QLatin1String("--sheet")) {
        const QString file = args[1];
        return writeSheet(file, args.mid(2));
    }
    if (args.size() == 3 && args[0] == QLatin1String("--only"))
        return writeResources(args[2], {args[1]});
    if (args.size() == 1)
        return writeResources(args[0], {});
    std::fprintf(stderr,
                 "usage: yulavin-artgen OUTDIR | --only GROUP OUTDIR | --sheet FILE [GROUP...]\n");
    return 2;
}
