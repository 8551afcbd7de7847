#pragma once

#include <QImage>
#include <QString>

#include <map>

// The snow page of the contact sheet: every flake four times enlarged on a
// dark desktop and on a white window, and deep-snow frames round the loop's seam.
QImage previewSnow(const std::map<QString, QImage>& pictures);
