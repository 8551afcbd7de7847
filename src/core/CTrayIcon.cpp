#include "core/CTrayIcon.h"

#include "core/ProgramResources.h"
#include "platform/Tray.h"
#include "vocabulary/PictureIds.h"

CTrayIcon::CTrayIcon(platform::Tray& tray)
    : m_hIcon(LoadIconResource(kProgramIcon)), m_szTip(QStringLiteral("Yulavin")), m_tray(tray)
{
}

void CTrayIcon::Add()
{
    m_tray.add(m_hIcon, m_szTip);
}

void CTrayIcon::Remove()
{
    m_tray.remove();
}
