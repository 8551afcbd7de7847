#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <map>
#include <mutex>
#include <vector>

// Every picture the program embeds is drawn by code in this folder. A group of
// pictures (garland, snow, trees, pages...) registers one painter; the
// generator runs them all and writes each picture under its resource path:
//   png/<id>.png      pictures loaded by numeric id
//   bmp/<id>.png      skinned-button bitmaps and masks (lossless, no alpha needed)
//   ico/<id>.png      16x16 tab icons
//   ico/128-<n>.png   the application icon at n x n pixels
class ArtSink {
public:
    // Thread-safe: groups run in parallel.
    void add(const QString& resourcePath, const QImage& image);

    std::map<QString, QImage> pictures() const;

private:
    mutable std::mutex m_mutex;
    std::map<QString, QImage> m_pictures;
};

// A contact sheet page a group adds to the overview (e.g. the garland laid
// round a frame, a tree's frames side by side). Gets every picture made.
using ArtPreview = std::function<QImage(const std::map<QString, QImage>& pictures)>;

struct ArtGroup {
    const char* name;
    std::function<void(ArtSink&)> paint;
    ArtPreview preview; // may be empty

    static std::vector<ArtGroup>& all();
};

// Registers a group from a static object in the group's own source file.
struct ArtGroupRegistration {
    ArtGroupRegistration(const char* name, std::function<void(ArtSink&)> paint,
                         ArtPreview preview = {});
};
