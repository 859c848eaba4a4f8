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
    window->setMinimumSize(0, 0);
    const QRect screen = available(window);
    double height = window->height();
    const int rounds1 = window->height() / 2;
    for (int i = 1; i <= rounds1; ++i) {
        QApplication::processEvents();
        const int before = window->height();
        height -= kVerticalStep;
        window->resize(window->width(), std::max(1, int(height)));
        window->move(window->x(), (screen.height() - window->height()) / 2);
        if (window->height() <= kEndSize || window->height() == before)
            break;
        height = std::min(height, double(window->height()));
    }
    window->resize(window->width(), kLineHeight);
    double width = window->width();
    const int rounds2 = window->width() / 2;
    for (int i = 1; i <= rounds2; ++i) {
        QApplication::processEvents();
        const int before = window->width();
        width -= kHorizontalStep;
        window->resize(std::max(1, int(width)), window->height());
        window->move((screen.width() - window->width()) / 2, window->y());
        if (window->width() <= kEndSize || window->width() == before)
            break;
        width = std::min(width, double(window->width()));
    }
}

} // namespace shell
