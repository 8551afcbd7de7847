#include "core/ProgramResources.h"

#include "StringTable.h"

#include <QFile>
#include <QResource>

extern "C" const unsigned char yulavin_art_rcc[];

namespace {

void registerPictures()
{
    static const bool registered = QResource::registerResource(yulavin_art_rcc);
    Q_UNUSED(registered);
}

std::unique_ptr<QImage> loadPicture(const QString& path)
{
    registerPictures();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return nullptr;
    return std::make_unique<QImage>(DecodePng(bytes));
}

} // namespace

std::unique_ptr<QImage> LoadPngResource(unsigned id)
{
    return loadPicture(QStringLiteral(":/png/%1.png").arg(id));
}

QByteArray LoadPngResourceBytes(unsigned id)
{
    registerPictures();
    const QResource resource(QStringLiteral(":/png/%1.png").arg(id));
    if (!resource.isValid() || resource.size() <= 0)
        return {};
    // The pictures are packed uncompressed, so the bytes can stay where the
    // program was loaded instead of taking heap memory.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       static_cast<qsizetype>(resource.size()));
    return resource.uncompressedData();
}

QImage DecodePng(const QByteArray& bytes)
{
    QImage image;
    if (!image.loadFromData(bytes, "PNG"))
        return {};
    // Drawn pixel for pixel: no resolution scaling, premultiplied for fast blending.
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    return image;
}

std::unique_ptr<QImage> LoadBitmapResource(unsigned id)
{
    return loadPicture(QStringLiteral(":/bmp/%1.png").arg(id));
}

QIcon LoadIconResource(unsigned id)
{
    registerPictures();
    QIcon icon;
    const QString single = QStringLiteral(":/ico/%1.png").arg(id);
    if (QFile::exists(single))
        icon.addFile(single);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString sized = QStringLiteral(":/ico/%1-%2.png").arg(id).arg(size);
        if (QFile::exists(sized))
            icon.addFile(sized, QSize(size, size));
    }
    return icon;
}

QString LoadResourceString(unsigned id)
{
    const char* text = ResourceString(id);
    return text ? QString::fromUtf8(text) : QString();
}
