#pragma once

namespace editor {
class Form1;
}

namespace app {

// A session may end under the program: SIGTERM at logout or shutdown, SIGHUP when its
// terminal goes, the session manager's request to save, or the display going away (the
// toolkit then ends the process with exit()). Each writes the settings as Exit does;
// the two signals then end the program as Exit does, without asking.
void write_settings_when_the_session_ends(editor::Form1& main_window);
// Called when the main window is gone: nothing more to write.
void forget_main_window();

} // namespace app
