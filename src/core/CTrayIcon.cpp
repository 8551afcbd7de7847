#include "core/CTrayIcon.h"

#include "core/ProgramResources.h"
#include "platform/Platform.h"
#include "platform/Tray.h"
#include "vocabulary/PictureIds.h"

CTrayIcon::CTrayIcon() : m_hIcon(LoadIconResource(kProgramIcon)), m_szTip(QStringLiteral("Yulavin"))
{
}

void CTrayIcon::Add()
{
    if (platform::Tray* tray = platform::Platform::current().tray)
        tray->add(m_hIcon, m_szTip);
}

void CTrayIcon::Remove()
{
    if (platform::Tray* tray = platform::Platform::current().tray)
        tray->remove();
}
