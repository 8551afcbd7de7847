#include "GarlandHarness.h"

#include "platform/RuntimeLibrary.h"

#include <map>

Group groupOf(int slot)
{
    if (slot < 10 || (slot >= 20 && slot < 32) || (slot >= 58 && slot < 66) || slot >= 74)
        return Group::Straight;
    if (slot < 20 || (slot >= 32 && slot < 42) || (slot >= 66 && slot < 74))
        return Group::Corner;
    if (slot == 42)
        return Group::Branch;
    if (slot == 43 || slot == 44)
        return Group::PineLight;
    if (slot == 45)
        return Group::PineSection;
    if (slot == 46 || slot == 47)
        return Group::SectionLights;
    return Group::Icicle;
}

bool isBulb(int slot)
{
    return slot >= 0 && slot != 42 && slot != 45;
}

bool isLitPicture(int slot)
{
    if (slot >= 74 && slot <= 77)
        return true; // the coloured glows
    if (slot == 78 || slot == 83)
        return false; // the transparent glow, the grey snowflake
    if (slot >= 79)
        return true;
    if (slot >= 43 && slot <= 47)
        return slot == 44 || slot == 47;
    return slot % 2 == 1;
}

std::vector<Drawn> drawsOf(const CDlgLights& window)
{
    std::map<qint64, std::pair<int, int>> pictures;
    for (int slot = 0; slot < CDlgLights::kImageCount; ++slot) {
        if (!window.m_images[slot])
            continue;
        for (int turns = 0; turns < 4; ++turns)
            pictures.emplace(window.m_images[slot]->orientation(turns).cacheKey(),
                             std::pair{slot, turns});
    }
    std::vector<Drawn> draws;
    for (const FrameDrawing::Item& item : window.lastDrawing().items()) {
        Drawn drawn;
        const auto found = pictures.find(item.image.cacheKey());
        if (found != pictures.end()) {
            drawn.slot = found->second.first;
            drawn.turns = found->second.second;
        }
        drawn.position = item.target.topLeft().toPoint();
        draws.push_back(drawn);
    }
    return draws;
}

std::vector<Drawn> bulbsOf(const CDlgLights& window)
{
    std::vector<Drawn> bulbs;
    for (const Drawn& drawn : drawsOf(window))
        if (isBulb(drawn.slot))
            bulbs.push_back(drawn);
    return bulbs;
}

void GarlandTest::useWindowSize(QSize size)
{
    m_platform.desktop.m_primary = QSize(size.width(), size.height() + 40);
    m_platform.desktop.m_virtual = QRect(QPoint(0, 0), m_platform.desktop.m_primary);
    m_platform.desktop.m_workArea = QRect(QPoint(0, 0), size);
}

void GarlandTest::createGarland(const QString& key, int nFlash)
{
    m_options.strGarland = key;
    m_lights.m_nFlash = nFlash;
    ASSERT_TRUE(m_lights.Create());
}

void GarlandTest::drawAt(int nFlash, int nPhase, uint32_t seed)
{
    m_lights.m_nFlash = nFlash;
    m_lights.m_nPhase = nPhase;
    crt::srand(seed);
    m_lights.RedrawWindow();
}
