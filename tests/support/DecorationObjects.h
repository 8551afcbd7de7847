#pragma once

#include "app/CZelApp.h"
#include "decorations/CDlgCursor.h"
#include "decorations/CDlgFrost.h"
#include "decorations/CDlgLights.h"
#include "decorations/CDlgSnow.h"
#include "decorations/CDlgTree.h"

#include <memory>

// The application's five decoration objects, without windows, as the
// settings window's pages expect them when a test runs that window alone.
inline void makeDecorationObjects(CZelApp& app)
{
    app.m_pDlgCursor = std::make_unique<CDlgCursor>(app.m_options, app.m_services);
    app.m_pDlgTree = std::make_unique<CDlgTree>(app.m_options, app.m_services);
    app.m_pDlgLights = std::make_unique<CDlgLights>(app.m_options, app.m_services);
    app.m_pDlgSnow = std::make_unique<CDlgSnow>(app.m_options, app.m_services);
    app.m_pDlgFrost = std::make_unique<CDlgFrost>(app.m_options, app.m_services);
}
