#pragma once

#include "vocabulary/PictureIds.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// The pictures of the pages that bind no setting: About, Countdown (one
// edition per language of the user interface), Wallpapers and the Russian
// New Year site.
namespace PageShowcase {

// One language's Countdown picture and button, with the words painted in.
struct CountdownEdition {
    QString language; // the interface language, for the preview
    CountdownPictures ids;
    QStringList headline; // the picture's title, one entry per line
    QString question;     // a smaller line under the title
    QString buttonLabel;  // the word on the button
};
const std::vector<CountdownEdition>& countdownEditions();

QImage aboutBackground(); // 251, 500 x 360, white text on it
QImage emblem();          // 231, 128 x 128
QImage title();           // 232, 256 x 64, the program's name
QImage countdownPage(const CountdownEdition& edition);
QImage wallpapersPage(); // 285, 471 x 273, the big button sits at (122, 31)
QImage sitePage();       // 290, 470 x 273, Russian words, button at (94, 140)

// The Site page button's label.
QString siteButtonLabel();

} // namespace PageShowcase
