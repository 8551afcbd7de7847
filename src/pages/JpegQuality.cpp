#include "pages/JpegQuality.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace {

// Overwrites `to` with the bytes of `from`; nothing when `from` is missing.
// The new bytes take the old file's place at once, so the file is never
// seen half written.
void CopyFileOver(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return;
    target.write(source.readAll());
    target.commit();
}

} // namespace

void SaveJpegQuality(const QString& path, uint32_t quality)
{
    const QImage image(path);
    const QString temporary = path + QLatin1Char('_');
    // The name's "_" tells no format, so the encoder is named.
    QImageWriter writer(temporary, "jpeg");
    writer.setQuality(static_cast<int>(quality));
    // Only a file this pass wrote is copied: one left by an earlier pass
    // that was cut short must not come back over the picture.
    if (!image.isNull() && writer.write(image))
        CopyFileOver(temporary, path);
    QFile::remove(temporary);
}
