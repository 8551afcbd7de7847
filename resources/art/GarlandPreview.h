#pragma once

#include <QImage>
#include <QString>

#include <map>

// A contact-sheet page with every garland laid round a 1280 x 720 screen the
// way the garland window lays it, lit beside unlit, plus corners at 1:1.
QImage previewGarland(const std::map<QString, QImage>& pictures);
