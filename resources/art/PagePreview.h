#pragma once

#include <QImage>
#include <QString>

#include <map>

// A mock-up of the settings window for judging the pictures together: the
// window background, the tab strip with its icons, every page with its
// pictures, stand-ins for its controls at their template places, and the
// skinned buttons cut by their masks.
namespace PagePreview {

QImage settingsWindows(const std::map<QString, QImage>& pictures);

} // namespace PagePreview
