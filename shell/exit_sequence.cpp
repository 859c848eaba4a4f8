#include "shell/exit_sequence.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLayout>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace shell {

namespace {

// Steps in twips, taken at 15 twips a pixel.
constexpr double kVerticalStep = 75.0 / 15;
constexpr double kHorizontalStep = 50.0 / 15;
constexpr double kEndSize = 11.0 / 15;
constexpr int kLineHeight = 2; // 30 twips

// How long one step waits for the window system to apply a resize, and how many steps
// in a row may leave the size as it was before a phase counts as refused.
constexpr int kAnswerWaitMs = 60;
constexpr int kUnchangedSteps = 3;

QRect screen_of(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// The size the window system last reported for a window. A resize the program asks for
// is not one: only the window system's answer is, and it may come late, after the answer
// to an earlier request.
class ReportedSize : public QObject {
public:
    explicit ReportedSize(QWidget* widget) : size(widget->size()), window_(widget->windowHandle())
    {
        if (window_)
            window_->installEventFilter(this);
    }
    ~ReportedSize() override
    {
        if (window_)
            window_->removeEventFilter(this);
    }
    QSize size;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            size = static_cast<QResizeEvent*>(event)->size();
        return false;
    }

private:
    QPointer<QWindow> window_;
};

// Lets pending events run until the window system reports the size asked for, a short
// wait has passed, or the deadline is reached.
void wait_for(
    const ReportedSize& reported, const QSize& asked, const QElapsedTimer& clock, qint64 deadline)
{
    QApplication::processEvents();
    QElapsedTimer wait;
    wait.start();
    while (reported.size != asked && wait.elapsed() < kAnswerWaitMs && clock.elapsed() < deadline)
        QApplication::processEvents(QEventLoop::AllEvents, 2);
}

// One phase: shrinks one dimension in steps until it is at most the end size, the window
// system keeps it, the fixed count of steps runs out, or the deadline is reached, when
// it jumps to the end. `dim` picks the dimension from a size; `set` asks for a length of it
// and places the window around the middle, returning the whole size asked for.
template <class Dim, class Set>
void shrink(QWidget* window, ReportedSize& reported, double step, int jump_to, Dim dim, Set set,
    const QElapsedTimer& clock, qint64 deadline)
{
    const int rounds = dim(reported.size) / 2;
    double wanted = dim(reported.size);
    int unchanged = 0;
    for (int i = 1; i <= rounds; ++i) {
        QApplication::processEvents();
        const int before = dim(reported.size);
        if (before <= kEndSize)
            return;
        if (clock.elapsed() >= deadline) {
            wait_for(reported, set(jump_to), clock, deadline + kAnswerWaitMs);
            return;
        }
        wanted = std::min(wanted, double(before)) - step;
        const QSize asked = set(std::max(1, int(wanted)));
        wait_for(reported, asked, clock, deadline);
        if (!window->isVisible())
            return;
        if (dim(reported.size) < before) {
            unchanged = 0;
        } else if (++unchanged >= kUnchangedSteps) {
            return; // answered, and kept: the window system's minimum
        }
    }
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

void close_like_a_tv(QWidget* window, int budget_ms)
{
    // A layout that fixes the window's size (or a minimum) would take every step back.
    if (QLayout* layout = window->layout())
        layout->setSizeConstraint(QLayout::SetNoConstraint);
    for (QLayout* layout : window->findChildren<QLayout*>()) {
        if (layout->parentWidget() == window)
            layout->setSizeConstraint(QLayout::SetNoConstraint);
    }
    // (1, 1): a minimum of (0, 0) would hand the minimum back to the layout.
    window->setMinimumSize(1, 1);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QRect screen = screen_of(window);
    ReportedSize reported(window);
    QElapsedTimer clock;
    clock.start();

    // The vertical phase may use a little less than half the time: it has fewer steps.
    const qint64 first_deadline = budget_ms * 2 / 5;
    const qint64 second_deadline = budget_ms - kAnswerWaitMs;
    shrink(
        window, reported, kVerticalStep, kLineHeight, [](const QSize& s) { return s.height(); },
        [window, screen](int h) {
            window->resize(window->width(), h);
            window->move(window->x(), screen.y() + (screen.height() - h) / 2);
            return window->size();
        },
        clock, first_deadline);
    window->resize(window->width(), kLineHeight);
    window->move(window->x(), screen.y() + (screen.height() - kLineHeight) / 2);
    wait_for(reported, window->size(), clock, second_deadline);

    shrink(
        window, reported, kHorizontalStep, 1, [](const QSize& s) { return s.width(); },
        [window, screen](int w) {
            window->resize(w, window->height());
            window->move(screen.x() + (screen.width() - w) / 2, window->y());
            return window->size();
        },
        clock, second_deadline);
}

} // namespace shell
