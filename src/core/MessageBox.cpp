#include "core/MessageBox.h"

#include "core/ProgramResources.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

#include "StringTable.h"

#include <QDebug>

void AfxMessageBox(const QString& text)
{
    platform::Dialogs* dialogs = platform::Platform::current().dialogs;
    if (!dialogs) {
        qWarning().noquote() << text;
        return;
    }
    dialogs->messageBox(nullptr, text, LoadResourceString(kAppTitleStringId),
                        platform::Dialogs::Style::Ok);
}
