#include "shell/exit_sequence.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace shell {

namespace {

// Steps in twips, taken at 15 twips a pixel.
constexpr double kVerticalStep = 75.0 / 15;
constexpr double kHorizontalStep = 50.0 / 15;
constexpr double kEndSize = 11.0 / 15;
constexpr int kLineHeight = 2; // 30 twips

QRect available(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

void close_other_windows(QWidget* main_window)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        QPointer<QWidget> other = w;
        if (other && other != main_window && other->isVisible())
            other->close();
    }
}

void close_like_a_tv(QWidget* window)
{
    // (1, 1): a minimum of (0, 0) would hand the minimum back to the layout.
    window->setMinimumSize(1, 1);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QRect screen = available(window);

    // Each step reads the size back after the window system has applied the last one;
    // a size that stopped changing is the system's minimum, and ends the phase.
    double height = window->height();
    int last = -1;
    const int rounds1 = window->height() / 2;
    for (int i = 1; i <= rounds1; ++i) {
        QApplication::processEvents();
        const int now = window->height();
        if (now <= kEndSize || now == last)
            break;
        last = now;
        height = std::min(height, double(now)) - kVerticalStep;
        const int h = std::max(1, int(height));
        window->resize(window->width(), h);
        window->move(window->x(), (screen.height() - h) / 2);
    }
    window->resize(window->width(), kLineHeight);

    double width = window->width();
    last = -1;
    const int rounds2 = window->width() / 2;
    for (int i = 1; i <= rounds2; ++i) {
        QApplication::processEvents();
        const int now = window->width();
        if (now <= kEndSize || now == last)
            break;
        last = now;
        width = std::min(width, double(now)) - kHorizontalStep;
        const int w = std::max(1, int(width));
        window->resize(w, window->height());
        window->move((screen.width() - w) / 2, window->y());
    }
}

} // namespace shell
