#pragma once

// The main window's recent colours: a row of small swatches, newest first, kept in
// pmtrecent.ini beside the other settings. A swatch is made when a colour first reaches
// its place; until then the row draws the place empty.

#include "core/color.h"

#include <QAbstractButton>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QAction;
class QMenu;

namespace editor {

// One swatch: a filled square, empty and disabled while it holds no colour.
class RecentSwatch : public QAbstractButton {
    Q_OBJECT
public:
    explicit RecentSwatch(QWidget* parent = nullptr);
    void setColor(const core::Rgb* c);
    bool holdsColor() const { return holds_; }
    core::Rgb color() const { return color_; }
    QSize sizeHint() const override;

signals:
    void rightClicked(const QPoint& global);
    void stepped(int step); // Left (-1) or Right (+1) pressed on it

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool holds_ = false;
    core::Rgb color_;
};

class RecentColors : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSwatches = 16;

    explicit RecentColors(QWidget* parent = nullptr);

    // Shows a list, newest first (as read from its file); at most kSwatches are kept.
    // Tells no change: the list is already where it came from.
    void setColors(std::vector<core::Rgb> colors);

    const std::vector<core::Rgb>& colors() const { return colors_; }
    // The swatch at a place; null for a place no colour has reached yet.
    RecentSwatch* swatch(int i) const { return swatches_[size_t(i)]; }
    // The right-click menu and its two items (recentcopy, recentforget), made on first use.
    QMenu* menu();
    QAction* copyItem();
    QAction* forgetItem();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Moves the colour to the front (adding it when new) and tells the change.
    void remember(const core::Rgb& c);
    void forget(const core::Rgb& c);

signals:
    // The list changed by remember() or forget(); its owner saves it.
    void changed(const std::vector<core::Rgb>& colors);
    void applyRequested(const core::Rgb& c);
    void copyRequested(const core::Rgb& c);
    // A right click on a swatch: the window pops menu() up there.
    void menuRequested(const QPoint& global);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void set_colors(std::vector<core::Rgb> colors, bool tell);
    RecentSwatch* make_swatch(int i);
    QRect place(int i) const;
    void place_swatches();

    std::vector<core::Rgb> colors_;
    std::array<RecentSwatch*, kSwatches> swatches_ {};
    QMenu* menu_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* forget_ = nullptr;
    core::Rgb menu_color_;
};

} // namespace editor
