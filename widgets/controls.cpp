#include "widgets/controls.h"

#include "core/contrast.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace widgets {

QAction* add_action(
    QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    return a;
}

QPushButton* push_button(
    QWidget* parent, const char* name, const QString& caption, const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
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

namespace {

class EnterClicksDefault : public QObject {
public:
    EnterClicksDefault(QWidget* window, std::function<QPushButton*()> current)
        : QObject(window), current_(std::move(current))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        QPushButton* button = current_();
        if (!button || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }

private:
    std::function<QPushButton*()> current_;
};

} // namespace

void enter_clicks_default(QWidget* window, std::function<QPushButton*()> current_default)
{
    auto* filter = new EnterClicksDefault(window, std::move(current_default));
    window->installEventFilter(filter);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // Not the menus (windows of their own) and not the push buttons. Every other
        // control, also one that takes the focus only later.
        if (w->window() == window && !qobject_cast<QPushButton*>(w))
            w->installEventFilter(filter);
    }
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

} // namespace widgets

namespace widgets {

namespace {

double ratio_of(const QColor& a, const QColor& b)
{
    return core::contrast_ratio(to_rgb(a), to_rgb(b));
}

} // namespace

QFont scaled_font(const QFont& base, double factor, bool bold)
{
    QFont f = base;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * factor);
    else
        f.setPixelSize(qRound(f.pixelSize() * factor));
    f.setBold(bold);
    return f;
}

QChar widest_hex_digit(const QFont& font)
{
    const QFontMetrics fm(font);
    QChar widest;
    int most = -1;
    for (const QChar c : QStringLiteral("0ACD")) {
        if (const int advance = fm.horizontalAdvance(c); advance > most) {
            most = advance;
            widest = c;
        }
    }
    return widest;
}

QColor legible(const QColor& fixed, const QColor& background, double ratio)
{
    if (ratio_of(fixed, background) >= ratio)
        return fixed;
    const bool lighten = core::relative_luminance(to_rgb(background)) < 0.18;
    const QColor end = lighten ? QColor(Qt::white) : QColor(Qt::black);
    // Mix toward white or black in small steps: the hue stays, the lightness moves.
    for (int step = 1; step <= 100; ++step) {
        const double t = step / 100.0;
        const QColor mixed(qRound(fixed.red() + (end.red() - fixed.red()) * t),
            qRound(fixed.green() + (end.green() - fixed.green()) * t),
            qRound(fixed.blue() + (end.blue() - fixed.blue()) * t));
        if (ratio_of(mixed, background) >= ratio)
            return mixed;
    }
    return end;
}

void set_caption_color(QWidget* w, const QColor& fixed)
{
    // The window's own colour: when the desktop's palette changes, the window hears of
    // it before its children have taken the new one.
    const QColor background = w->window()->palette().color(QPalette::Window);
    set_palette_color(w, QPalette::WindowText, legible(fixed, background));
}

void set_box_colors(QWidget* w, const QColor& background)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, background);
    // The desktop's text colour where it reads on the box; otherwise black or white,
    // whichever reads better, rather than a grey that only just passes.
    QColor text = p.color(QPalette::Text);
    if (ratio_of(text, background) < 4.5)
        text = ratio_of(Qt::black, background) >= ratio_of(Qt::white, background)
            ? QColor(Qt::black)
            : QColor(Qt::white);
    p.setColor(QPalette::Text, text);
    w->setPalette(p);
}

} // namespace widgets
