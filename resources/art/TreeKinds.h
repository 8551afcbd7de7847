#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <vector>

class ArtSink;

// The five trees the user can stand on the desktop. Each paints its frames
// as png/<id>.png, every frame exactly its tree's size.
namespace TreeKinds {

struct Kind {
    const char* name;
    QSize size;
    std::vector<int> sequence; // picture ids in the order the tree window shows them
    std::function<void(ArtSink&)> paint;
};

const std::vector<Kind>& all();

void paintBow(ArtSink& sink);
void paintHoarfrost(ArtSink& sink);
void paintJoy(ArtSink& sink);
void paintSilver(ArtSink& sink);
void paintSnowy(ArtSink& sink);

// A fully transparent frame: the desktop shows wherever the tree is not.
QImage blankFrame(QSize size);

} // namespace TreeKinds
