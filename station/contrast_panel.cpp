#include "station/contrast_panel.h"

#include "core/wcag.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeySequence>

namespace station {

namespace {

QString verdict_text(const char* what, int hundredths, core::Use use)
{
    return QString::fromUtf8(what) + QString::fromUtf8(core::verdict_text(hundredths, use));
}

} // namespace

ContrastPanel::ContrastPanel(QWidget* parent) : QGroupBox(QStringLiteral("Contrast"), parent)
{
    setObjectName(QStringLiteral("contrastPanel"));
    const QFont base = QApplication::font();
    setFont(widgets::scaled_font(base, 1.0, true));
    const QFont plain = widgets::scaled_font(base, 1.0, false);
    const QFont bold = widgets::scaled_font(base, 1.0, true);

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(1);
    const char* captions[] = {"Text on Background", "Object on Background", "Text on Object"};
    const char* names[] = {"textOnBackground", "objectOnBackground", "textOnObject"};
    for (int p = 0; p < 3; ++p) {
        Row& row = rows_[size_t(p)];
        row.text = p != ObjectOnBackground;
        auto label = [&](const QString& name, const QFont& f) {
            auto* l = new QLabel(this);
            l->setObjectName(name);
            l->setFont(f);
            return l;
        };
        const QString name = QString::fromLatin1(names[p]);
        row.caption = label(name + QStringLiteral("Caption"), plain);
        row.caption->setText(QString::fromLatin1(captions[p]));
        row.ratio = label(name, bold);
        row.ratio->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.ratio->setAccessibleName(
            QString::fromLatin1(captions[p]) + QStringLiteral(" contrast"));
        row.verdicts[0] = label(name + QStringLiteral("Verdict"), plain);
        row.verdicts[1] = label(name + QStringLiteral("Large"), plain);
        // Room for the widest texts, so that nothing moves as the ratios change.
        const QFontMetrics bold_metrics(bold), plain_metrics(plain);
        row.ratio->setMinimumWidth(bold_metrics.horizontalAdvance(QStringLiteral("00.00:1")));
        row.ratio->setMinimumWidth(std::max(row.ratio->minimumWidth(),
            bold_metrics.horizontalAdvance(QStringLiteral("Text hidden"))));
        row.verdicts[0]->setMinimumWidth(plain_metrics.horizontalAdvance(
            verdict_text("Normal text: ", 0, core::Use::NormalText)));
        row.verdicts[1]->setMinimumWidth(
            plain_metrics.horizontalAdvance(verdict_text("Large text: ", 0, core::Use::LargeText)));
        grid->addWidget(row.caption, p, 0);
        grid->addWidget(row.ratio, p, 1);
        grid->addWidget(row.verdicts[0], p, 2);
        grid->addWidget(row.verdicts[1], p, 3);
    }
    vision_ = new QLabel(this);
    vision_->setObjectName(QStringLiteral("visionLabel"));
    vision_->setFont(plain); // its text is also what a screen reader reads
    grid->addWidget(vision_, 3, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(QFontMetrics(plain).horizontalAdvance(QLatin1Char('M')));
    show_vision(core::Vision::Normal);
}

void ContrastPanel::show_pairs(
    const core::Rgb& background, const core::Rgb& object, const core::Rgb& text, bool text_hidden)
{
    show_row(rows_[TextOnBackground], text, background, text_hidden);
    show_row(rows_[ObjectOnBackground], object, background, false);
    show_row(rows_[TextOnObject], text, object, text_hidden);
}

void ContrastPanel::show_row(Row& row, const core::Rgb& a, const core::Rgb& b, bool hidden)
{
    const int shown = core::shown_hundredths(a, b);
    if (shown == row.shown && hidden == row.hidden)
        return;
    row.shown = shown;
    row.hidden = hidden;
    if (hidden) {
        row.ratio->setText(QStringLiteral("Text hidden"));
        row.verdicts[0]->clear();
        row.verdicts[1]->clear();
        row.ratio->setAccessibleDescription(QStringLiteral("The sample text is hidden"));
        return;
    }
    const QString ratio = QString::fromLatin1(core::ratio_text(shown).c_str());
    row.ratio->setText(ratio);
    if (row.text) {
        row.verdicts[0]->setText(verdict_text("Normal text: ", shown, core::Use::NormalText));
        row.verdicts[1]->setText(verdict_text("Large text: ", shown, core::Use::LargeText));
        row.ratio->setAccessibleDescription(ratio + QStringLiteral(", normal text ")
            + QString::fromLatin1(core::verdict_words(shown, core::Use::NormalText).c_str())
            + QStringLiteral("; large text ")
            + QString::fromLatin1(core::verdict_words(shown, core::Use::LargeText).c_str()));
    } else {
        row.verdicts[0]->setText(verdict_text("Non-text 3:1: ", shown, core::Use::NonText));
        row.ratio->setAccessibleDescription(ratio + QStringLiteral(", non-text ")
            + QString::fromLatin1(core::verdict_words(shown, core::Use::NonText).c_str()));
    }
}

void ContrastPanel::show_vision(core::Vision v)
{
    vision_->setText(v == core::Vision::Normal
            ? QStringLiteral("Sample in true colours")
            : QStringLiteral("Sample as seen with %1 (simulated)")
                  .arg(QString::fromLatin1(core::vision_name(v)).toLower()));
}

void ContrastMenu::build(QMenuBar* bar)
{
    using widgets::add_action;
    menu = bar->addMenu(QStringLiteral("Co&ntrast"));
    menu->setObjectName(QStringLiteral("contrastmenu"));
    suggestaa = add_action(
        menu, "suggestaa", QStringLiteral("&Suggest for AA (text)"), QKeySequence(Qt::Key_F7));
    suggestaaa = add_action(menu, "suggestaaa", QStringLiteral("Suggest for AA&A (text)"),
        QKeySequence(Qt::SHIFT | Qt::Key_F7));
    suggestobject = add_action(menu, "suggestobject", QStringLiteral("Suggest &3:1 (object)"),
        QKeySequence(Qt::CTRL | Qt::Key_F7));
    menu->addSeparator();
    view_group = new QActionGroup(menu);
    view_group->setExclusive(true);
    const char* names[]
        = {"visionnormal", "visionprotan", "visiondeutan", "visiontritan", "visionachromat"};
    const char* captions[]
        = {"&Normal Vision", "&Protanopia", "&Deuteranopia", "&Tritanopia", "A&chromatopsia"};
    for (int v = 0; v < core::kVisionCount; ++v) {
        QAction* a = add_action(menu, names[v], QString::fromLatin1(captions[v]));
        a->setCheckable(true);
        view_group->addAction(a);
        views[size_t(v)] = a;
    }
    views[0]->setChecked(true);
}

} // namespace station
