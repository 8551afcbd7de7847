#include "core/MessageBox.h"

#include "core/ProgramResources.h"
#include "platform/Dialogs.h"

#include "StringTable.h"

void AfxMessageBox(platform::Dialogs& dialogs, const QString& text)
{
    dialogs.messageBox(nullptr, text, LoadResourceString(kAppTitleStringId),
                       platform::Dialogs::Style::Ok);
}
