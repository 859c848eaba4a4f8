#pragma once

class QWidget;

namespace shell {

// Closes every other top-level window of the program, in the order they were made.
void close_other_windows(QWidget* main_window);

// Shrinks a window to a line through the middle of the screen, then to a point, like
// a television picture when the set is switched off. Each phase runs until the window
// is small enough or the window system, having answered, keeps the size; the whole
// animation takes at most `budget_ms`, after which a phase jumps to its end size.
void close_like_a_tv(QWidget* window, int budget_ms = 1000);

} // namespace shell
