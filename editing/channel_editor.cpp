#include "editing/channel_editor.h"

#include "core/hsl.h"
#include "core/oklab.h"
#include "core/safe_palette.h"
#include "platform/platform.h"
#include "widgets/controls.h"

#include <QActionGroup>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cmath>

namespace editing {

namespace {

const std::array<Component, 3> kHsl = {{
    {"Hue", 360, 1, 0, "\u00B0", "degrees"},
    {"Saturation", 100, 1, 0, " %", "percent"},
    {"Lightness", 100, 1, 0, " %", "percent"},
}};
const std::array<Component, 3> kOklch = {{
    {"Lightness", 100, 1, 0, " %", "percent"},
    {"Chroma", 370, 0.001, 3, "", ""},
    {"Hue", 360, 1, 0, "\u00B0", "degrees"},
}};

// Which component is a hue, and which is held while the colour has no hue.
int hue_index(ChannelModel m)
{
    return m == ChannelModel::Hsl ? 0 : 2;
}
// Saturation in HSL, chroma in OKLCH: the one that makes a grey when 0.
constexpr int kChroma = 1;
int lightness_index(ChannelModel m)
{
    return m == ChannelModel::Hsl ? 2 : 0;
}

} // namespace

const char* model_name(ChannelModel m)
{
    switch (m) {
    case ChannelModel::Hsl:
        return "HSL";
    case ChannelModel::Oklch:
        return "OKLCH";
    case ChannelModel::Rgb:
        break;
    }
    return "RGB";
}

std::optional<ChannelModel> model_from_name(const QByteArray& name)
{
    for (ChannelModel m : {ChannelModel::Rgb, ChannelModel::Hsl, ChannelModel::Oklch}) {
        if (name == model_name(m))
            return m;
    }
    return std::nullopt;
}

const std::array<Component, 3>& components(ChannelModel m)
{
    return m == ChannelModel::Oklch ? kOklch : kHsl;
}

std::array<double, 3> to_components(ChannelModel m, const core::Rgb& c)
{
    if (m == ChannelModel::Oklch) {
        const core::Oklch lch = core::to_oklch(c);
        return {lch.L * 100, lch.C * 1000, lch.h};
    }
    const core::Hsl hsl = core::to_hsl(c);
    return {hsl.hue, hsl.saturation, hsl.lightness};
}

core::Rgb from_components(ChannelModel m, const std::array<double, 3>& v, bool* in_gamut)
{
    if (in_gamut)
        *in_gamut = true;
    if (m == ChannelModel::Oklch) {
        const core::Oklch lch {v[0] / 100, v[1] / 1000, v[2]};
        if (in_gamut)
            *in_gamut = core::in_srgb_gamut(lch);
        return core::from_oklch(lch);
    }
    return core::from_hsl({v[0], v[1], v[2]});
}

QString spoken_value(ChannelModel m, int component, int bar_value)
{
    const Component& c = components(m)[size_t(component)];
    const QString number = QString::number(bar_value * c.unit, 'f', c.decimals);
    QString text = QString::fromLatin1(c.name) + QLatin1Char(' ') + number;
    if (*c.spoken_unit)
        text += QLatin1Char(' ') + QString::fromLatin1(c.spoken_unit);
    return text;
}

ModelBar::ModelBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setSingleStep(1);
    setPageStep(10);
    setTracking(true); // the colour follows the thumb as it is dragged
    setFocusPolicy(Qt::StrongFocus);
    setInvertedControls(false);
}

void ModelBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    QPainter painter(this);
    if (trough_) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect groove = style()->subControlRect(
            QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
        const QRect handle = style()->subControlRect(
            QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
        const QRect area = groove.adjusted(1, 2, -1, -2);
        painter.save();
        painter.setClipRegion(QRegion(area) - QRegion(handle));
        // The thumb's middle goes from half a thumb in to half a thumb before the end.
        const double start = area.left() + handle.width() / 2.0;
        const double span = std::max(1.0, area.width() - double(handle.width()));
        const int step = 2;
        for (int x = area.left(); x <= area.right(); x += step) {
            const double fraction = std::clamp((x + step / 2.0 - start) / span, 0.0, 1.0);
            bool inside = true;
            const QColor fill = widgets::to_qcolor(trough_(fraction, &inside));
            const QRect column(x, area.top(), step, area.height());
            painter.fillRect(column, fill);
            if (!inside) // beyond what the screen shows: hatched
                painter.fillRect(column,
                    QBrush(qGray(fill.rgb()) < 128 ? Qt::white : Qt::black, Qt::BDiagPattern));
        }
        painter.restore();
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void ModelBarsView::setup(QWidget* parent, QGridLayout* bars_grid, int row, const QFont& captions)
{
    caption_font = captions;
    grid = bars_grid;
    first_row = row;
    modelSwitch = new QPushButton(QString::fromLatin1(model_name(ChannelModel::Rgb)), parent);
    modelSwitch->setObjectName(QStringLiteral("channelModel"));
    modelSwitch->setAutoDefault(false);
    modelSwitch->setAccessibleName(QStringLiteral("Edit channels as"));
    modelSwitch->setToolTip(
        QStringLiteral("Edit the color as red, green and blue only, or also as HSL or OKLCH (F8)"));
}

void ModelBarsView::build()
{
    QWidget* parent = modelSwitch->parentWidget();
    const QFontMetrics fm(parent->font());
    for (int i = 0; i < 3; ++i) {
        bar[i] = new ModelBar(parent);
        bar[i]->setObjectName(QStringLiteral("modelBar(%1)").arg(i));
        caption[i] = new QLabel(parent);
        caption[i]->setObjectName(QStringLiteral("modelCaption(%1)").arg(i));
        caption[i]->setFont(caption_font);
        caption[i]->setBuddy(bar[i]);
        box[i] = new QDoubleSpinBox(parent);
        box[i]->setObjectName(QStringLiteral("modelBox(%1)").arg(i));
        box[i]->setKeyboardTracking(false); // applied on Enter or when the focus leaves
        box[i]->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("0.3700")) + fm.height() * 2);
        grid->addWidget(caption[i], first_row + i, 0);
        grid->addWidget(bar[i], first_row + i, 1);
        grid->addWidget(box[i], first_row + i, 2, Qt::AlignLeft);
    }
}

ModelMenu add_model_menu(QMenu* parent, const QString& suffix, bool with_shortcut)
{
    ModelMenu m;
    m.menu = parent->addMenu(QStringLiteral("Edit &Channels As"));
    m.menu->setObjectName(QStringLiteral("channelmodel") + suffix);
    m.group = new QActionGroup(m.menu);
    const char* captions[] = {"&RGB", "&HSL", "&OKLCH"};
    for (int i = 0; i < 3; ++i) {
        const QByteArray name
            = QByteArray("model") + model_name(ChannelModel(i)) + suffix.toLatin1();
        m.model[size_t(i)]
            = widgets::add_action(m.menu, name.constData(), QString::fromLatin1(captions[i]));
        m.model[size_t(i)]->setCheckable(true);
        m.group->addAction(m.model[size_t(i)]);
    }
    m.model[0]->setChecked(true);
    m.menu->addSeparator();
    const QByteArray next = "nextmodel" + suffix.toLatin1();
    m.next = widgets::add_action(m.menu, next.constData(), QStringLiteral("&Next Model"),
        with_shortcut ? QKeySequence(Qt::Key_F8) : QKeySequence());
    return m;
}

ChannelEditor::ChannelEditor(
    EditingWindow& window, const ChannelControls& controls, QObject* parent)
    : QObject(parent), window_(window), c_(controls), bars_(*controls.model_bars)
{
}

class ChannelEditor::WriteRun {
public:
    explicit WriteRun(ChannelEditor& e) : e_(e) { ++e_.writes_; }
    ~WriteRun()
    {
        if (--e_.writes_ == 0)
            e_.written();
    }
    WriteRun(const WriteRun&) = delete;
    WriteRun& operator=(const WriteRun&) = delete;

private:
    ChannelEditor& e_;
};

core::Rgb ChannelEditor::color() const
{
    return core::Rgb {c_.bars[0]->value(), c_.bars[1]->value(), c_.bars[2]->value()};
}

void ChannelEditor::setColor(const core::Rgb& c)
{
    const WriteRun run(*this);
    c_.bars[0]->setValue(c.red);
    c_.bars[1]->setValue(c.green);
    c_.bars[2]->setValue(c.blue);
}

void ChannelEditor::applySafe()
{
    const WriteRun run(*this);
    for (QScrollBar* bar : c_.bars)
        bar->setValue(core::safe_value(bar->value()));
}

void ChannelEditor::setAutoSafe(bool on)
{
    if (on)
        applySafe();
    for (QScrollBar* bar : c_.bars) {
        bar->setSingleStep(on ? 51 : 1);
        bar->setPageStep(on ? 51 : 7);
    }
    for (QLineEdit* box : c_.boxes)
        box->setReadOnly(on);
}

void ChannelEditor::pickColor()
{
    // Every change of the bars ends in the window's change handling, which shows the bars'
    // colour: the colour shown is the colour the bars hold.
    const core::Rgb start = color();
    const auto chosen = window_.platform().chooseColor(
        window_.widget(), QColor(start.red, start.green, start.blue));
    setColor(chosen ? core::Rgb {chosen->red(), chosen->green(), chosen->blue()} : start);
}

void ChannelEditor::channelBoxChanged(int channel)
{
    QLineEdit* box = c_.boxes[size_t(channel)];
    const QString text = box->text();
    if (text.isEmpty())
        return;
    if (!core::check_rgb_text(to_u32(text))) {
        show_message(window_.platform(), window_.widget(),
            core::refusal_message(core::Refusal::RgbText));
        box->setText(decimal(c_.bars[size_t(channel)]->value()));
        return;
    }
    const int value = text.toInt();
    if (value > 255) {
        box->setText(QStringLiteral("255"));
        return;
    }
    c_.bars[size_t(channel)]->setValue(value);
}

std::optional<core::Rgb> ChannelEditor::accept(const core::HexEntry& entry, core::Window which)
{
    if (entry.refusal != core::Refusal::None) {
        show_message(
            window_.platform(), window_.widget(), core::refusal_message(entry.refusal, which));
        return std::nullopt;
    }
    return entry.rgb;
}

std::optional<core::Rgb> ChannelEditor::pasteHex(core::Window which)
{
    const core::HexEntry entry = core::paste_entry(to_u32(window_.platform().clipboardText()));
    const auto rgb = accept(entry, which);
    if (rgb)
        setColor(*rgb);
    else if (entry.refusal != core::Refusal::BlankClipboard)
        c_.hex_box->setText(c_.code_label->text());
    return rgb;
}

void ChannelEditor::setModel(ChannelModel m)
{
    if (m == model_)
        return;
    model_ = m;
    showModel();
    emit modelChanged(m);
}

void ChannelEditor::nextModel()
{
    setModel(ChannelModel((int(model_) + 1) % 3));
}

void ChannelEditor::attachMenu(const ModelMenu& menu)
{
    menus_.push_back(menu);
    for (int i = 0; i < 3; ++i) {
        connect(menu.model[size_t(i)], &QAction::triggered, this,
            [this, i] { setModel(ChannelModel(i)); });
    }
    connect(menu.next, &QAction::triggered, this, &ChannelEditor::nextModel);
    menu.model[size_t(model_)]->setChecked(true);
    // The switch beside the bars pops up the first such menu.
    if (bars_.modelSwitch->menu() == nullptr)
        bars_.modelSwitch->setMenu(menu.menu);
}

void ChannelEditor::showModel()
{
    const bool shown = model_ != ChannelModel::Rgb;
    if (shown && !bars_.built()) {
        bars_.build();
        for (int i = 0; i < 3; ++i) {
            connect(bars_.bar[i], &QScrollBar::valueChanged, this,
                [this, i](int value) { componentMoved(i, value); });
            connect(bars_.box[i], qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                [this, i](double value) {
                    if (refreshing_)
                        return;
                    const double unit = components(model_)[size_t(i)].unit;
                    bars_.bar[i]->setValue(int(std::lround(value / unit)));
                });
            bars_.bar[i]->setTrough([this, i](double fraction, bool* inside) {
                std::array<double, 3> v = values_;
                v[size_t(i)] = fraction * components(model_)[size_t(i)].maximum;
                return from_components(model_, v, inside);
            });
        }
        // The new bars come after the window's other controls in the Tab order.
        QWidget::setTabOrder(bars_.modelSwitch, bars_.bar[0]);
        for (int i = 0; i < 3; ++i) {
            QWidget::setTabOrder(bars_.bar[i], bars_.box[i]);
            if (i < 2)
                QWidget::setTabOrder(bars_.box[i], bars_.bar[i + 1]);
        }
    }
    bars_.modelSwitch->setText(QString::fromLatin1(model_name(model_)));
    for (const ModelMenu& menu : menus_)
        menu.model[size_t(model_)]->setChecked(true);
    if (!bars_.built())
        return;
    const bool saved = refreshing_;
    refreshing_ = true;
    for (int i = 0; i < 3; ++i) {
        bars_.caption[i]->setVisible(shown);
        bars_.bar[i]->setVisible(shown);
        bars_.box[i]->setVisible(shown);
        if (!shown)
            continue;
        const Component& c = components(model_)[size_t(i)];
        const QString name = QString::fromLatin1(c.name);
        bars_.caption[i]->setText(name);
        bars_.caption[i]->setToolTip(name);
        bars_.bar[i]->setAccessibleName(name);
        bars_.bar[i]->setRange(0, c.maximum);
        bars_.box[i]->setAccessibleName(name + QStringLiteral(" value"));
        bars_.box[i]->setDecimals(c.decimals);
        bars_.box[i]->setRange(0, c.maximum * c.unit);
        bars_.box[i]->setSingleStep(c.unit);
        bars_.box[i]->setSuffix(QString::fromUtf8(c.suffix));
    }
    refreshing_ = saved;
    if (!shown)
        return;
    held_ = -1;
    values_ = to_components(model_, color());
    for (double& v : values_)
        v = std::round(v);
    refreshBars();
}

void ChannelEditor::sync()
{
    if (writes_ == 0)
        written();
}

void ChannelEditor::written()
{
    refreshBars();
    emit changed(color());
}

void ChannelEditor::componentMoved(int component, int bar_value)
{
    if (refreshing_)
        return;
    values_[size_t(component)] = bar_value;
    const int saved = held_;
    held_ = component;
    setColor(from_components(model_, values_));
    refreshBars();
    held_ = saved;
}

void ChannelEditor::refreshBars()
{
    if (model_ == ChannelModel::Rgb || !bars_.built())
        return;
    const core::Rgb c = color();
    // Components that still give the colour stay as they are: rounding through the
    // channels moves no bar, and a grey keeps the hue it had.
    if (from_components(model_, values_) != c) {
        const auto fresh = to_components(model_, c);
        const int hue = hue_index(model_);
        const int chroma = kChroma;
        const double light = fresh[size_t(lightness_index(model_))];
        const bool grey = fresh[size_t(chroma)] < 0.5;
        const bool extreme = light < 0.5 || light > 99.5;
        for (int i = 0; i < 3; ++i) {
            if (i == held_ || (i == hue && (grey || extreme)) || (i == chroma && extreme))
                continue;
            values_[size_t(i)] = std::round(fresh[size_t(i)]);
        }
        // Where the kept components cannot give the colour, they give way after all.
        if (from_components(model_, values_) != c) {
            for (int i = 0; i < 3; ++i) {
                if (i != held_)
                    values_[size_t(i)] = std::round(fresh[size_t(i)]);
            }
        }
    }
    const bool saved = refreshing_;
    refreshing_ = true;
    for (int i = 0; i < 3; ++i) {
        const int value = int(values_[size_t(i)]);
        if (i != held_)
            bars_.bar[i]->setValue(value);
        bars_.box[i]->setValue(value * components(model_)[size_t(i)].unit);
        bars_.bar[i]->setAccessibleDescription(spoken_value(model_, i, value));
        bars_.bar[i]->update();
    }
    refreshing_ = saved;
}

} // namespace editing
