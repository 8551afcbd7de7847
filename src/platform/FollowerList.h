#pragma once

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace platform {

// The calls to make when something being watched changes. Each call gets a
// number that takes it out again; a call may take itself, or others, out
// while the list is being told.
template <typename... Args> class FollowerList final {
public:
    int add(std::function<void(Args...)> changed)
    {
        m_followers.push_back({++m_last, std::move(changed)});
        return m_last;
    }

    void remove(int follower)
    {
        m_followers.erase(
            std::remove_if(m_followers.begin(), m_followers.end(),
                           [follower](const Follower& f) { return f.id == follower; }),
            m_followers.end());
    }

    void tell(Args... args)
    {
        const std::vector<Follower> followers = m_followers;
        for (const Follower& follower : followers) {
            const bool stillFollows =
                std::any_of(m_followers.begin(), m_followers.end(),
                            [&](const Follower& f) { return f.id == follower.id; });
            if (stillFollows)
                follower.changed(args...);
        }
    }

private:
    struct Follower {
        int id;
        std::function<void(Args...)> changed;
    };

    std::vector<Follower> m_followers;
    int m_last = 0;
};

} // namespace platform
