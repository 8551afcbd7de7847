#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

#include <memory>

// A new picture from the program's PNG resource with that id, owned by the
// caller; nullptr when there is no such resource. A resource that does not
// decode gives an empty picture (size 0, draws nothing).
std::unique_ptr<QImage> LoadPngResource(unsigned id);

// The still encoded PNG bytes of that resource, read in place from the
// program's read-only data (no copy); empty when there is no such resource.
// For pictures too large to keep decoded all at once, with DecodePng.
QByteArray LoadPngResourceBytes(unsigned id);

// Decodes PNG bytes the way LoadPngResource does (premultiplied, pixel for
// pixel); a null picture when they do not decode.
QImage DecodePng(const QByteArray& bytes);

// A skinned-button bitmap or mask, owned by the caller; nullptr when missing.
std::unique_ptr<QImage> LoadBitmapResource(unsigned id);

// An icon with every size the program has of it; a null icon when missing.
QIcon LoadIconResource(unsigned id);

// The program's English text with that id; empty when there is none.
QString LoadResourceString(unsigned id);
