#pragma once

#include <QString>

namespace platform {
class Dialogs;
}

// A modal message box with an OK button and the program's title as caption.
void AfxMessageBox(platform::Dialogs& dialogs, const QString& text);
