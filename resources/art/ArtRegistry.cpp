#include "ArtRegistry.h"

void ArtSink::add(const QString& resourcePath, const QImage& image)
{
    std::lock_guard lock(m_mutex);
    m_pictures[resourcePath] = image;
}

std::map<QString, QImage> ArtSink::pictures() const
{
    std::lock_guard lock(m_mutex);
    return m_pictures;
}

std::vector<ArtGroup>& ArtGroup::all()
{
    static std::vector<ArtGroup> groups;
    return groups;
}

ArtGroupRegistration::ArtGroupRegistration(const char* name, std::function<void(ArtSink&)> paint,
                                           ArtPreview preview)
{
    ArtGroup::all().push_back({name, std::move(paint), std::move(preview)});
}
