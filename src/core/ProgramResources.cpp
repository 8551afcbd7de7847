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

} // namespace

std::unique_ptr<QImage> LoadPngResource(unsigned id)
{
    registerPictures();
    QFile file(QStringLiteral(":/png/%1.png").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return nullptr;
    auto image = std::make_unique<QImage>();
    if (image->loadFromData(bytes, "PNG")) {
        // Drawn pixel for pixel: no resolution scaling, premultiplied for fast blending.
        *image = image->convertToFormat(QImage::Format_ARGB32_Premultiplied);
        image->setDevicePixelRatio(1.0);
    }
    return image;
}

QString LoadResourceString(unsigned id)
{
    const char* text = ResourceString(id);
    return text ? QString::fromUtf8(text) : QString();
}
