#include "palette/shade_dialog.h"

#include "core/css.h"
#include "core/wcag.h"
#include "palette/palette_models.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace palette {

ShadeDialog::ShadeDialog(PaletteDocument& doc, int row, QWidget* parent)
    : QDialog(parent), doc_(doc), row_(row)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("shades"));
    const core::Swatch& source = doc.swatches()[size_t(row)];
    stem_ = core::scale_stem(source.name);
    shades_ = core::shade_scale(source.rgb);
    setWindowTitle(QStringLiteral("Shade Scale of %1").arg(QString::fromStdString(source.name)));

    const core::Rgb white {255, 255, 255}, black {0, 0, 0};
    auto* grid = new QGridLayout;
    const QString heads[] = {QString(), QStringLiteral("Name"), QStringLiteral("Color"),
        QStringLiteral("On white"), QStringLiteral("On black")};
    for (int c = 0; c < 5; ++c) {
        auto* head = new QLabel(QStringLiteral("<b>%1</b>").arg(heads[c]), this);
        grid->addWidget(head, 0, c);
    }
    const int line = fontMetrics().height();
    const auto steps_named = steps();
    for (int i = 0; i < 11; ++i) {
        const core::Shade& s = shades_[size_t(i)];
        auto* swatch = new QFrame(this);
        swatch->setFrameShape(QFrame::Box);
        swatch->setFixedSize(line * 3, line + line / 2);
        swatch->setAutoFillBackground(true);
        QPalette pal = swatch->palette();
        pal.setColor(QPalette::Window, QColor(s.rgb.red, s.rgb.green, s.rgb.blue));
        swatch->setPalette(pal);
        const QString name = QString::fromStdString(steps_named[size_t(i)].name);
        const auto ratio = [&s](const core::Rgb& against) {
            const int h = core::shown_hundredths(s.rgb, against);
            return QString::fromStdString(core::ratio_text(h) + "  " + core::verdict_text(h, core::Use::NormalText));
        };
        QLabel* cells[] = {new QLabel(s.chosen ? name + QStringLiteral("  ◀") : name, this),
            new QLabel(core::css_hex(s.rgb), this), new QLabel(ratio(white), this), new QLabel(ratio(black), this)};
        swatch->setAccessibleName(name);
        swatch->setAccessibleDescription(QStringLiteral("%1, on white %2, on black %3")
                                             .arg(core::css_hex(s.rgb), cells[2]->text(), cells[3]->text()));
        grid->addWidget(swatch, i + 1, 0);
        for (int c = 0; c < 4; ++c) {
            cells[c]->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(cells[c], i + 1, c + 1);
        }
    }
    auto* note = new QLabel(QStringLiteral("◀ the color itself, on the step nearest its lightness"), this);
    auto* buttons = new QDialogButtonBox(this);
    add_ = buttons->addButton(QStringLiteral("&Add to Palette"), QDialogButtonBox::AcceptRole);
    add_->setObjectName(QStringLiteral("addshades"));
    buttons->addButton(QDialogButtonBox::Close);
    connect(add_, &QPushButton::clicked, this, &ShadeDialog::add);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* box = new QVBoxLayout(this);
    box->addLayout(grid);
    box->addWidget(note);
    box->addWidget(buttons);
}

std::vector<core::Swatch> ShadeDialog::steps() const
{
    std::vector<core::Swatch> out;
    for (const core::Shade& s : shades_)
        out.push_back({core::shade_name(stem_, s.step), s.rgb});
    return out;
}

void ShadeDialog::add()
{
    // A step the palette already holds under its name (the colour itself, named --x-500)
    // is not added twice.
    std::vector<core::Swatch> added;
    for (const core::Swatch& s : steps())
        if (std::find(doc_.swatches().begin(), doc_.swatches().end(), s) == doc_.swatches().end())
            added.push_back(s);
    const int at = std::min(row_ + 1, int(doc_.swatches().size()));
    const QString why = doc_.insert(at, added, QStringLiteral("Shade scale of --%1").arg(QString::fromStdString(stem_)));
    if (!why.isEmpty()) {
        emit refused(why);
        return;
    }
    close();
}

} // namespace palette
