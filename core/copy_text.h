#pragma once

#include "core/messages.h"

#include <string>

namespace core {

// Which copy is confirmed: the alerts differ in their title and wording.
enum class CopyKind { MainHex, Rgb, StationHex };

inline std::string hex_copy_text(const std::string& code, bool hash_prefix)
{
    return hash_prefix ? "#" + code : code;
}

inline std::string rgb_copy_text(
    const std::string& red, const std::string& green, const std::string& blue)
{
    return "R:" + red + " G:" + green + " B:" + blue;
}

// The confirmation after a copy; its two lines are joined by a lone carriage return.
inline Message copy_alert(const std::string& copied, CopyKind kind)
{
    switch (kind) {
    case CopyKind::MainHex:
        return {"[" + copied + "] was copied to your clipboard.\rPress Control + V to paste it!",
            kAppTitle, Icon::Information};
    case CopyKind::Rgb:
        return {"[" + copied + "] was copied to your clipboard.\rPress Ctrl + V to paste it!",
            kAppTitle, Icon::Information};
    case CopyKind::StationHex:
        break;
    }
    return {"[" + copied + "] was copied to your clipboard!\rPress Control + V to paste it!",
        "Color copied to clipboard", Icon::Information};
}

// Shown when the clipboard would not take the text; nothing else changes.
inline Message clipboard_failure()
{
    return {"The clipboard is in use by another program, so nothing was copied. "
            "Please try again.",
        kAppTitle, Icon::Stop};
}

} // namespace core
