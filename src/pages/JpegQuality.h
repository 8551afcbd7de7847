#pragma once

#include <QString>

#include <cstdint>

// Encodes the JPEG file at path again with quality 0 to 100, in place: the
// new file is written beside it under the path with "_" appended, then
// copied over it and removed. A file that cannot be read or encoded is left
// as it was.
void SaveJpegQuality(const QString& path, uint32_t quality);
