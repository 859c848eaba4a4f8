#include "app/start_up.h"

#include "app/open_files.h"
#include "shell/splash.h"
#include "shell/window_modes.h"
#include "storage/config_folder.h"

namespace app {

Running::Running(platform::Platform& platform, const storage::ConfigFolder& folder,
    const QStringList& files, Loaded loaded)
    : main_window_(platform, folder)
    , waiting_(files)
{
    auto* splash = new shell::Splashscreen(shell::Splashscreen::Mode::StartUp, platform,
        folder.prefs_file(), &main_window_, [this, loaded = std::move(loaded)] {
            main_window_.Form_Load();
            main_window_.show();
            loaded_ = true;
            if (loaded)
                loaded(main_window_);
            const QStringList files = waiting_;
            waiting_.clear();
            open_files(main_window_, files);
        });
    splash->load();
}

void Running::hand_over(const QStringList& files, const QString& activation_token)
{
    if (!loaded_) {
        waiting_ += files;
        return;
    }
    main_window_.window_modes()->bring_forward(activation_token);
    open_files(main_window_, files);
}

std::unique_ptr<Running> start_up(platform::Platform& platform,
    const storage::ConfigFolder& folder, const QStringList& files, Running::Loaded loaded)
{
    return std::make_unique<Running>(platform, folder, files, std::move(loaded));
}

} // namespace app
