#include "editor/editing.h"

#include "core/copy_text.h"
#include "core/presets.h"
#include "core/safe_palette.h"
#include "platform/platform.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace editing {

core::Rgb channels(const EditingWindow& w)
{
    return core::Rgb {w.CLR(0)->value(), w.CLR(1)->value(), w.CLR(2)->value()};
}

void write_channels(EditingWindow& w, const core::Rgb& c)
{
    w.CLR(0)->setValue(c.red);
    w.CLR(1)->setValue(c.green);
    w.CLR(2)->setValue(c.blue);
}

void make_safe(EditingWindow& w)
{
    for (int channel = 0; channel < 3; ++channel) {
        QScrollBar* bar = w.CLR(channel);
        bar->setValue(core::safe_value(bar->value()));
    }
}

void pick_color(EditingWindow& w)
{
    CommonDialog& dialog = w.CommonDialog1();
    const core::Rgb start = core::channels_from_color_value(dialog.color);
    const auto chosen
        = w.platform().chooseColor(w.widget(), QColor(start.red, start.green, start.blue));
    if (chosen)
        dialog.color = core::color_value(chosen->red(), chosen->green(), chosen->blue());
    write_channels(w, core::channels_from_color_value(dialog.color));
}

void auto_websafe(EditingWindow& w, int change, int change2)
{
    for (int channel = 0; channel < 3; ++channel) {
        w.CLR(channel)->setSingleStep(change);
        w.CLR(channel)->setPageStep(change2);
    }
}

void set_boxes_read_only(EditingWindow& w, bool read_only)
{
    for (int channel = 0; channel < 3; ++channel)
        w.channelBox(channel)->setReadOnly(read_only);
}

void channel_box_changed(EditingWindow& w, int channel)
{
    QLineEdit* box = w.channelBox(channel);
    const QString text = box->text();
    if (text.isEmpty())
        return;
    if (!core::check_rgb_text(to_u32(text))) {
        show_message(w.platform(), w.widget(), core::refusal_message(core::Refusal::RgbText));
        box->setText(decimal(w.CLR(channel)->value()));
        return;
    }
    const int value = text.toInt();
    if (value > 255) {
        box->setText(QStringLiteral("255"));
        return;
    }
    w.CLR(channel)->setValue(value);
}

QAction* add_action(
    QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    return a;
}

bool copy_to_clipboard(EditingWindow& w, const std::string& text)
{
    if (w.platform().setClipboardText(QString::fromStdString(text)))
        return true;
    show_message(w.platform(), w.widget(), core::clipboard_failure());
    return false;
}

namespace {

class SelectOnFocus : public QObject {
public:
    SelectOnFocus(QLineEdit* box, int length) : QObject(box), box_(box), length_(length) { }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus, so that the click does not undo it.
            QMetaObject::invokeMethod(
                box_, [box = box_, length = length_] { box->setSelection(0, length); },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QLineEdit* box_;
    int length_;
};

} // namespace

void select_on_focus(QLineEdit* box, int length)
{
    box->installEventFilter(new SelectOnFocus(box, length));
}

void popup_on_right_click(
    QWidget* window, platform::Platform& p, QMenu* menu, std::initializer_list<QWidget*> surfaces)
{
    auto* filter
        = new RightClickSurfaces(window, [&p, menu](const QPoint& pos) { p.popupMenu(menu, pos); });
    for (QWidget* surface : surfaces)
        filter->add(surface);
}

void show_message(platform::Platform& p, QWidget* parent, const core::Message& m)
{
    p.showMessage(parent, QString::fromStdString(m.text), QString::fromStdString(m.title), m.icon);
}

std::optional<core::Rgb> accept_entry(
    EditingWindow& w, const core::HexEntry& entry, core::Window which)
{
    if (entry.refusal != core::Refusal::None) {
        show_message(w.platform(), w.widget(), core::refusal_message(entry.refusal, which));
        return std::nullopt;
    }
    return entry.rgb;
}

QString decimal(int value)
{
    return QString::number(value);
}

std::u32string to_u32(const QString& text)
{
    return text.toStdU32String();
}

int check_value(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

bool set_check_value(QCheckBox* box, int value)
{
    switch (value) {
    case 0:
        box->setCheckState(Qt::Unchecked);
        return true;
    case 1:
        box->setCheckState(Qt::Checked);
        return true;
    case 2:
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        return true;
    default:
        return false;
    }
}

void ValueCheckBox::nextCheckState()
{
    const bool was_checked = checkState() == Qt::Checked;
    setTristate(false);
    setCheckState(was_checked ? Qt::Unchecked : Qt::Checked);
}

bool press_default_button(QKeyEvent* event, QPushButton* default_button)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (!default_button || !default_button->isEnabled() || !default_button->isVisible())
        return false;
    default_button->click();
    return true;
}

namespace {

class ShortcutsFirst : public QObject {
public:
    explicit ShortcutsFirst(QWidget* window) : QObject(window), window_(window) { }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        const auto actions = window_->findChildren<QAction*>();
        for (const QAction* action : actions) {
            if (action->isEnabled() && action->shortcut() == pressed) {
                event->ignore();
                return true; // the text box does not claim it; the shortcut runs
            }
        }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

void give_menu_shortcuts_priority(QWidget* window)
{
    auto* filter = new ShortcutsFirst(window);
    const auto boxes = window->findChildren<QLineEdit*>();
    for (QLineEdit* box : boxes)
        box->installEventFilter(filter);
}

RightClickSurfaces::RightClickSurfaces(QObject* parent, std::function<void(const QPoint&)> popup)
    : QObject(parent), popup_(std::move(popup))
{
}

void RightClickSurfaces::add(QWidget* surface)
{
    surface->installEventFilter(this);
}

bool RightClickSurfaces::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (!(mouse->buttons() & Qt::RightButton))
        return false;
    auto* surface = static_cast<QWidget*>(watched);
    const QPoint pos = mouse->position().toPoint();
    if (surface->childAt(pos) != nullptr)
        return false; // a control lies here; it keeps its own behaviour
    popup_(surface->mapToGlobal(pos));
    return true;
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setFill(const QColor& color)
{
    fill_ = color;
    update();
}

void ShapeWidget::setOval(bool oval)
{
    oval_ = oval;
    update();
}

void ShapeWidget::setOutline(bool outline)
{
    outline_ = outline;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, oval_);
    painter.setBrush(fill_);
    if (outline_)
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    else
        painter.setPen(Qt::NoPen);
    const QRect box = outline_ ? rect().adjusted(0, 0, -1, -1) : rect();
    if (oval_)
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}

void set_palette_color(QWidget* w, QPalette::ColorRole role, const QColor& color)
{
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
}

void add_preset_items(QMenu* menu, const std::array<const char*, 11>& names,
    const std::function<void(const core::Rgb&)>& apply)
{
    for (size_t i = 0; i < core::kPresets.size(); ++i) {
        if (i == 2)
            menu->addSeparator()->setObjectName(QStringLiteral("none10"));
        const core::Preset& preset = core::kPresets[i];
        QAction* item = menu->addAction(QString::fromLatin1(preset.caption));
        item->setObjectName(QString::fromLatin1(names[i]));
        QObject::connect(item, &QAction::triggered, menu, [apply, preset] { apply(preset.color); });
    }
}

QRect twips_rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace editing
