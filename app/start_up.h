#pragma once

#include "editor/main_window.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace platform {
class Platform;
}
namespace storage {
class ConfigFolder;
}

namespace app {

// What a start builds once it is the running copy: the main window, opened by the splash
// (at once when the splash is off), which then opens the files named at start. Files a
// later start hands over before the window has loaded wait for it.
class Running {
public:
    using Loaded = std::function<void(editor::Form1&)>;
    Running(platform::Platform& platform, const storage::ConfigFolder& folder,
        const QStringList& files, Loaded loaded);

    editor::Form1& main_window() { return main_window_; }
    bool loaded() const { return loaded_; }

    // A later start's files (and its activation token): the window comes forward and
    // opens them, or they wait for it to load.
    void hand_over(const QStringList& files, const QString& activation_token);

private:
    editor::Form1 main_window_;
    bool loaded_ = false;
    QStringList waiting_;
};

// Starts the program's windows: the splash first, then the main window. loaded, when
// given, runs once the main window has loaded, before the files are opened.
std::unique_ptr<Running> start_up(platform::Platform& platform,
    const storage::ConfigFolder& folder, const QStringList& files,
    Running::Loaded loaded = {});

} // namespace app
