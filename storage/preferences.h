#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace storage {

// The six preferences of pmtprefs.ini, all 0 until the file is read.
enum Preference {
    LoadStation = 0,
    AutoSaveColor = 1,
    CloseLikeTv = 2,
    ShowSplash = 3,
    TrayMode = 4,
    ConfirmExit = 5,
};

// pmtprefs.ini as read, one line a field in the file's order. A field is empty when its
// line, or a line before it, is missing or not a 16-bit integer: reading stops there.
struct Preferences {
    std::optional<int> load_station;
    std::optional<int> auto_save_color;
    std::optional<int> close_like_tv;
    std::optional<int> show_splash;
    std::optional<int> tray_mode; // 0 to 2 as the dialog stores it; other values kept as read
    std::optional<int> confirm_exit;

    // The six fields in the file's order.
    std::array<const std::optional<int>*, 6> lines() const
    {
        return {&load_station, &auto_save_color, &close_like_tv, &show_splash, &tray_mode,
            &confirm_exit};
    }
};

// The one reader of pmtprefs.ini: nothing when the file is missing, unreadable or too big.
std::optional<Preferences> read_preferences(const QString& path);
Preferences parse_preferences(const QByteArray& bytes);
// The one writer: the six values as lines, written whole through a temporary file.
bool write_preferences(
    const QString& path, const std::array<int, 6>& values, QString* reason = nullptr);

class PreferenceTable {
public:
    int operator[](int element) const { return values_[element]; }
    void set(int element, int value) { values_[element] = value; }
    // True when the preference is exactly 1; 2 and other values count as off.
    bool on(Preference p) const { return values_[p] == 1; }

    // Reads the file line by line into the table; elements from the first line that is
    // missing or not a 16-bit integer on keep their values.
    void read(const QString& path);

private:
    std::array<int, 6> values_ {};
};

} // namespace storage
