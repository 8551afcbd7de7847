#include "ArtRegistry.h"
#include "core/ProgramResources.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TEST(PictureGenerator, PaintsThePackedPicturesAgainByteForByte)
{
    // The pictures are drawn anew on every build machine; a picture that came
    // out differently from run to run would change the program with no code
    // change. The groups run on parallel threads, as the generator runs them.
    ArtSink sink;
    std::vector<std::thread> threads;
    for (const ArtGroup& group : ArtGroup::all())
        threads.emplace_back([&sink, &group] { group.paint(sink); });
    for (auto& thread : threads)
        thread.join();
    const auto painted = sink.pictures();
    ASSERT_NE(LoadPngResource(139), nullptr); // makes the packed pictures known
    for (const auto& [path, image] : painted) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        QFile packed(QStringLiteral(":/") + path);
        ASSERT_TRUE(packed.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_TRUE(packed.readAll() == png) << path.toStdString() << " differs from the build's";
    }
    // Nothing is packed that the generator no longer paints.
    std::size_t packedCount = 0;
    for (const char* folder : {":/png", ":/bmp", ":/ico"})
        for (QDirIterator it(QString::fromLatin1(folder), QDir::Files); it.hasNext(); it.next())
            ++packedCount;
    EXPECT_EQ(packedCount, painted.size());
}

} // namespace
