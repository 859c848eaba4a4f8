#pragma once

#include <QString>

#include <array>

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
