#pragma once

// The station's contrast panel: the WCAG ratio of each pair the sample shows (text on
// background, object on background, text on object) with its verdicts in words and marks,
// and a line saying how the sample is drawn (true colours or a colour-vision view).

#include "core/color.h"
#include "core/vision.h"

#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <array>

namespace station {

class ContrastPanel : public QGroupBox {
public:
    enum Pair { TextOnBackground = 0, ObjectOnBackground = 1, TextOnObject = 2 };

    explicit ContrastPanel(QWidget* parent = nullptr);

    // Shows the three pairs. Rows whose colours did not change are left alone, so a
    // change of one target costs only the rows it takes part in.
    void show_pairs(const core::Rgb& background, const core::Rgb& object, const core::Rgb& text,
        bool text_hidden);
    void show_vision(core::Vision v);

    // The ratio ("4.47:1", or "Text hidden"), and the verdicts: for text pairs normal and
    // large text, for the object the non-text verdict (the second is then empty).
    QLabel* ratio(Pair p) const { return rows_[p].ratio; }
    QLabel* verdict(Pair p, int which) const { return rows_[p].verdicts[size_t(which)]; }
    QLabel* vision() const { return vision_; }

private:
    struct Row {
        QLabel* caption = nullptr;
        QLabel* ratio = nullptr;
        std::array<QLabel*, 2> verdicts {};
        bool text = true; // a pair with the sample text in it
        int shown = -1; // hundredths on show; -1 before the first
        bool hidden = false;
    };
    void show_row(Row& row, const core::Rgb& a, const core::Rgb& b, bool hidden);

    std::array<Row, 3> rows_;
    QLabel* vision_ = nullptr;
};

// The station's Contrast menu: suggestions of a passing colour for the selected target,
// and the colour-vision views of the sample (one checked at a time, Normal Vision first).
struct ContrastMenu {
    void build(QMenuBar* bar);

    QMenu* menu = nullptr;
    QAction* suggestaa = nullptr; // 4.5:1
    QAction* suggestaaa = nullptr; // 7:1
    QAction* suggestobject = nullptr; // 3:1
    std::array<QAction*, core::kVisionCount> views {}; // in the order of core::Vision
    QActionGroup* view_group = nullptr;
};

} // namespace station
