#pragma once

namespace platform {

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

// Every system service the program uses, handed to each part that needs it
// at start-up: the real Linux backends in the program, fakes in the tests.
// No service is ever null: a bundle starts with a do-nothing service in every
// place (no timers fire, no window can be made, no tray host, no network, a
// desktop of size zero that nobody uses), and the owner of the real or fake
// services puts its own in. The owner keeps them alive while the bundle is in use.
struct Platform {
    Platform();

    Clock* clock;
    Scheduler* scheduler;
    Desktop* desktop;
    SystemInfo* system;
    Registry* registry;
    Dialogs* dialogs;
    Shell* shell;
    Http* http;
    Tray* tray;
    WindowSystem* windows;
};

} // namespace platform
