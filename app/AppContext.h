#pragma once

namespace app {

class DateText;
class Platform;
class SettingsStore;

// What every window of the program shares for one run: the machine, the
// per-user settings and the date formats read at start-up.
struct AppContext {
    Platform& platform;
    SettingsStore& settings;
    const DateText& dates;
};

}  // namespace app
