#pragma once

#include <QImage>
#include <QString>

#include <map>

// The picture groups of the generator, run inside the test program.

// Every picture of a group by resource path, painted once per test program.
const std::map<QString, QImage>& paintedGroup(const char* group);

// Every picture of every group, painted now, the groups in parallel threads
// as the generator runs them.
std::map<QString, QImage> paintAllGroups();

// One picture of a group loaded by id, in premultiplied ARGB; a null image
// when the group has no such picture.
QImage paintedPicture(const char* group, int id);
