// Draws the logon pictures and their previews as JPEG files.
//
//   yulavin-logongen OUTDIR               every picture and preview into OUTDIR
//   yulavin-logongen --only NAME OUTDIR   one picture (for quick work)
//   yulavin-logongen --sheet FILE.png     every preview in a grid
#include "LogonScenes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr QSize kPreviewSize(240, 135);
constexpr int kJpegQuality = 88;

struct Rendered {
    QString name;
    QImage picture;
    QImage preview;
    qint64 milliseconds = 0;
};

QImage previewOf(const QImage& picture)
{
    // Halving first keeps the snowflakes and lights from flickering away in
    // a single big jump down.
    const QImage half =
        picture.scaled(picture.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return half.scaled(kPreviewSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::vector<Rendered> renderAll(const QStringList& only)
{
    std::vector<const LogonScene*> wanted;
    for (const LogonScene& scene : logonScenes())
        if (only.isEmpty() || only.contains(QString::fromLatin1(scene.name)))
            wanted.push_back(&scene);
    std::vector<Rendered> results(wanted.size());
    std::atomic<size_t> nextIndex{0};
    auto worker = [&] {
        for (size_t i = nextIndex++; i < wanted.size(); i = nextIndex++) {
            QElapsedTimer timer;
            timer.start();
            Rendered& out = results[i];
            out.name = QString::fromLatin1(wanted[i]->name);
            out.picture = wanted[i]->paint().convertToFormat(QImage::Format_RGB32);
            out.preview = previewOf(out.picture);
            out.milliseconds = timer.elapsed();
        }
    };
    const unsigned workers =
        std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, unsigned(wanted.size()));
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w)
        threads.emplace_back(worker);
    for (auto& thread : threads)
        thread.join();
    return results;
}

bool writeJpeg(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(kJpegQuality);
    writer.setOptimizedWrite(true);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

int writePictures(const QString& outDir, const QStringList& only)
{
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    const auto results = renderAll(only);
    for (const Rendered& r : results) {
        if (!writeJpeg(r.picture, outDir + QLatin1Char('/') + r.name + QStringLiteral(".jpg")) ||
            !writeJpeg(r.preview,
                       outDir + QLatin1Char('/') + r.name + QStringLiteral("_preview.jpg")))
            return 1;
        if (!only.isEmpty())
            std::printf("%s: %lld ms\n", qPrintable(r.name), r.milliseconds);
    }
    std::printf("%zu logon pictures in %s\n", results.size(), qPrintable(outDir));
    return 0;
}

int writeSheet(const QString& file)
{
    const auto results = renderAll({});
    const int columns = 4, gap = 12, label = 18;
    const int rows = int((results.size() + columns - 1) / columns);
    QImage sheet(columns * (kPreviewSize.width() + gap) + gap,
                 rows * (kPreviewSize.height() + label + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x30, 0x30));
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    for (size_t i = 0; i < results.size(); ++i) {
        const int x = gap + int(i % columns) * (kPreviewSize.width() + gap);
        const int y = gap + int(i / columns) * (kPreviewSize.height() + label + gap);
        p.drawImage(x, y, results[i].preview);
        p.drawText(x, y + kPreviewSize.height() + label - 4, results[i].name);
    }
    p.end();
    return sheet.save(file) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("--sheet"))
        return writeSheet(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("--only"))
        return writePictures(args[2], args[1].split(QLatin1Char(',')));
    if (args.size() == 1)
        return writePictures(args[0], {});
    std::fprintf(
        stderr,
        "usage: yulavin-logongen OUTDIR | --only NAME[,NAME...] OUTDIR | --sheet FILE.png\n");
    return 2;
}
