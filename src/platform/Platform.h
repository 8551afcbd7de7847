#pragma once

namespace platform {

class Audio;
class Clock;
class Desktop;
class Dialogs;
class Http;
class Registry;
class Scheduler;
class Shell;
class SystemInfo;
class Tray;
class WindowSystem;

// Every system service the program uses, set once at start-up: the real
// Linux backends in the program, fakes in the tests. A service a test does
// not need may stay null.
struct Platform {
    Clock* clock = nullptr;
    Scheduler* scheduler = nullptr;
    Desktop* desktop = nullptr;
    SystemInfo* system = nullptr;
    Registry* registry = nullptr;
    Dialogs* dialogs = nullptr;
    Shell* shell = nullptr;
    Http* http = nullptr;
    Tray* tray = nullptr;
    WindowSystem* windows = nullptr;
    Audio* audio = nullptr;

    // The services in force. Installing replaces the previous set; the caller
    // keeps them alive while installed.
    static Platform& current();
    static void install(const Platform& services);
};

} // namespace platform
