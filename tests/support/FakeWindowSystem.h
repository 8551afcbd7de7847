#pragma once

#include "platform/WindowSystem.h"
#include "support/FakeOverlaySurface.h"

#include <algorithm>
#include <vector>

// Makes recording windows and keeps track of the live ones, in creation order.
class FakeWindowSystem final : public platform::WindowSystem {
public:
    std::unique_ptr<platform::OverlaySurface> createOverlay(const OverlayOptions& options) override
    {
        if (m_failCreation)
            return nullptr;
        auto surface = std::make_unique<Surface>(options.clickThrough, *this);
        m_live.push_back(surface.get());
        ++m_created;
        return surface;
    }

    // The program became active or inactive: every live window hears it.
    void activateApplication(bool active)
    {
        const std::vector<FakeOverlaySurface*> live = m_live;
        for (FakeOverlaySurface* surface : live)
            if (surface->onApplicationActivation)
                surface->onApplicationActivation(active);
    }

    const std::vector<FakeOverlaySurface*>& live() const { return m_live; }
    int created() const { return m_created; }
    bool m_failCreation = false;

private:
    class Surface final : public FakeOverlaySurface {
    public:
        Surface(bool clickThrough, FakeWindowSystem& owner)
            : FakeOverlaySurface(clickThrough), m_owner(owner)
        {
        }
        ~Surface() override
        {
            auto& live = m_owner.m_live;
            live.erase(std::remove(live.begin(), live.end(), this), live.end());
        }

    private:
        FakeWindowSystem& m_owner;
    };

    std::vector<FakeOverlaySurface*> m_live;
    int m_created = 0;
};
