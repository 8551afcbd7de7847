#pragma once

#include <QString>

// A modal message box with an OK button and the program's title as caption.
void AfxMessageBox(const QString& text);
