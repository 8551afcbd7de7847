#pragma once

#include <QImage>
#include <QString>

#include <memory>

// A new picture from the program's PNG resource with that id, owned by the
// caller; nullptr when there is no such resource. A resource that does not
// decode gives an empty picture (size 0, draws nothing).
std::unique_ptr<QImage> LoadPngResource(unsigned id);

// The program's English text with that id; empty when there is none.
QString LoadResourceString(unsigned id);
