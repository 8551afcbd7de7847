#pragma once

#include <QImage>

#include <vector>

// The logon pictures, in the order the Logon Screen page lists them. Each
// painter returns its scene on an opaque 1920 x 1080 canvas.
struct LogonScene {
    const char* name;
    QImage (*paint)();
};

const std::vector<LogonScene>& logonScenes();

QImage paintBlue();
QImage paintBlueTree();
QImage paintBokeh();
QImage paintDecoration();
QImage paintGreenTree();
QImage paintHotChocolate();
QImage paintInTheSnow();
QImage paintOrnament();
QImage paintPicture();
QImage paintSantaSkating();
QImage paintSnow();
QImage paintSnowfall();
QImage paintSnowman();
QImage paintTree();
