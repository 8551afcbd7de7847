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
        surface->m_name = options.name;
        surface->m_serial = ++m_created;
        m_live.push_back(surface.get());
        m_log.push_back(surface->m_serial);
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
    // The oldest live window, or none.
    FakeOverlaySurface* first() const { return m_live.empty() ? nullptr : m_live.front(); }
    // Every window made and ended, in order: its serial (1, 2, ...) when made,
    // minus its serial when ended.
    const std::vector<int>& log() const { return m_log; }
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
            m_owner.m_log.push_back(-m_serial);
        }

    private:
        FakeWindowSystem& m_owner;
    };

    std::vector<FakeOverlaySurface*> m_live;
    std::vector<int> m_log;
    int m_created = 0;
};
