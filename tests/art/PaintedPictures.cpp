#include "PaintedPictures.h"

#include "ArtRegistry.h"

#include <cstring>
#include <thread>
#include <vector>

const std::map<QString, QImage>& paintedGroup(const char* group)
{
    static std::map<QString, std::map<QString, QImage>> painted;
    const QString key = QString::fromLatin1(group);
    auto found = painted.find(key);
    if (found != painted.end())
        return found->second;
    ArtSink sink;
    for (const ArtGroup& registered : ArtGroup::all())
        if (std::strcmp(registered.name, group) == 0)
            registered.paint(sink);
    return painted.emplace(key, sink.pictures()).first->second;
}

std::map<QString, QImage> paintAllGroups()
{
    ArtSink sink;
    std::vector<std::thread> threads;
    for (const ArtGroup& group : ArtGroup::all())
        threads.emplace_back([&sink, &group] { group.paint(sink); });
    for (auto& thread : threads)
        thread.join();
    return sink.pictures();
}

QImage paintedPicture(const char* group, int id)
{
    const auto& pictures = paintedGroup(group);
    const auto found = pictures.find(QStringLiteral("png/%1.png").arg(id));
    if (found == pictures.end())
        return {};
    return found->second.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
