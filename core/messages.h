#pragma once

#include <string>

namespace core {

inline const char kAppTitle[] = "Pigmentor";

enum class Icon { Information, Stop, Exclamation, Question };

// A modal message box as the user sees it: text, title and icon, one OK button.
struct Message {
    std::string text;
    std::string title;
    Icon icon = Icon::Information;
};

} // namespace core
