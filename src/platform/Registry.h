#pragma once

#include <QString>

#include <cstdint>
#include <variant>

namespace platform {

// The few registry values the program keeps. On Linux the user's "Run" value
// is an XDG autostart entry and everything else lives in a file in the
// program's configuration folder.
class Registry {
public:
    enum class Root { CurrentUser, Users, LocalMachine };
    // Wow64_64 asks for the 64-bit view from a 32-bit program; it changes
    // nothing where there is only one view.
    enum class View { Native, Wow64_64 };
    enum class Result { Ok, NotFound, Error };
    using Value = std::variant<QString, uint32_t>; // text or 32-bit number

    static constexpr auto kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

    virtual ~Registry() = default;

    virtual Result get(Root root, const QString& key, const QString& name, Value& out) = 0;
    // createKey false: fails with NotFound when the key does not exist yet.
    virtual Result set(Root root, const QString& key, const QString& name, const Value& value,
                       bool createKey, View view = View::Native) = 0;
    virtual Result remove(Root root, const QString& key, const QString& name,
                          View view = View::Native) = 0;
};

} // namespace platform
