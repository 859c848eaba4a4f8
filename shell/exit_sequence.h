#pragma once

class QWidget;

namespace shell {

// Closes every other top-level window of the program, in the order they were made.
void close_other_windows(QWidget* main_window);

// Shrinks a window to a line through the middle of the screen, then to a point, like
// a television picture when the set is switched off. A phase ends when the size is
// small enough or stops changing (the window system's minimum size).
void close_like_a_tv(QWidget* window);

} // namespace shell
