#pragma once

#include "shell/splash_view.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace platform {
class Platform;
}

namespace shell {

// The splash window at start-up, which doubles as the About box.
class Splashscreen : public QWidget {
    Q_OBJECT
public:
    enum class Mode { StartUp, About };

    // Start-up: reads the show-splash preference from the preferences file and either
    // opens the main window at once (and never shows) or shows itself for 1100 ms.
    // About: stays until "&Close" and keeps the main window disabled meanwhile.
    Splashscreen(Mode mode, platform::Platform& platform, const QString& prefs_file,
        QWidget* main_window, std::function<void()> show_main);
    ~Splashscreen() override;

    // Runs the load; false when the splash closed itself without being shown. The
    // view's controls exist from the load on.
    bool load();

    void moreinfo();
    void Command1_Click();

    Mode mode() const { return mode_; }
    QTimer* Timer1() { return &timer_; }
    const SplashView& view() const { return view_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    void shape_as_ellipse();
    void fit_credits();
    void start_timer_once();

    Mode mode_;
    platform::Platform& platform_;
    QString prefs_file_;
    QPointer<QWidget> main_;
    std::function<void()> show_main_;
    QTimer timer_;
    QTimer unseen_guard_;
    bool shaped_ = false;
    bool timer_started_ = false;
    bool main_opened_ = false;
    SplashView view_;
};

} // namespace shell
