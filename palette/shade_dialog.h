#pragma once

#include "core/palette.h"

#include <QDialog>

#include <array>

class QPushButton;

namespace palette {

class PaletteDocument;

// The eleven shades of one palette colour, each with its contrast on white and on black;
// "Add to Palette" puts them after the colour as one undo step.
class ShadeDialog : public QDialog {
    Q_OBJECT
public:
    ShadeDialog(PaletteDocument& doc, int row, QWidget* parent);

    const std::array<core::Shade, 11>& shades() const { return shades_; }
    QPushButton* add_button() const { return add_; }
    // The names the steps get: "--brand-50" ... "--brand-950".
    std::vector<core::Swatch> steps() const;

signals:
    void refused(const QString& message);

private:
    void add();

    PaletteDocument& doc_;
    int row_;
    std::string stem_;
    std::array<core::Shade, 11> shades_;
    QPushButton* add_ = nullptr;
};

} // namespace palette
