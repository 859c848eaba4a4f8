#include "editing/editing.h"
#include "widgets/controls.h"

#include "core/copy_text.h"
#include "core/presets.h"
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
#include <QShortcut>

namespace editing {

ChannelBar::ChannelBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setRange(0, 255);
    setSingleStep(1);
    setPageStep(7);
    setTracking(false); // the views follow when the thumb is released
    setFocusPolicy(Qt::StrongFocus);
    // A value rather than a document position: Page Up and the wheel's turn up raise it.
    setInvertedControls(false);
}

void ChannelBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // Not every style marks a focused scroll bar; this one always does.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

bool copy_text(EditingWindow& w, const std::string& text, bool alert, core::CopyKind kind,
    const std::function<void()>& copied)
{
    if (!w.platform().setClipboardText(QString::fromStdString(text))) {
        show_message(w.platform(), w.widget(), core::clipboard_failure());
        return false;
    }
    if (copied)
        copied();
    if (alert)
        show_message(w.platform(), w.widget(), core::copy_alert(text, kind));
    return true;
}

void popup_on_right_click(
    QWidget* window, platform::Platform& p, QMenu* menu, std::initializer_list<QWidget*> surfaces)
{
    auto* filter = new widgets::RightClickSurfaces(
        window, [&p, menu](const QPoint& pos) { p.popupMenu(menu, pos); });
    for (QWidget* surface : surfaces)
        filter->add(surface);
    // The keyboard's way to the same menu: the Menu key or Shift+F10 pops it up over the
    // focused control (the window's middle when nothing has the focus).
    for (const QKeySequence& keys :
        {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, [window, &p, menu] {
            QWidget* focus = window->focusWidget();
            if (focus == nullptr || !focus->isVisible())
                focus = window;
            p.popupMenu(menu, focus->mapToGlobal(focus->rect().center()));
        });
    }
}

void show_message(platform::Platform& p, QWidget* parent, const core::Message& m)
{
    p.showMessage(parent, QString::fromStdString(m.text), QString::fromStdString(m.title), m.icon);
}

QString decimal(int value)
{
    return QString::number(value);
}

std::u32string to_u32(const QString& text)
{
    return text.toStdU32String();
}

std::array<QAction*, 11> add_preset_items(QMenu* menu, const std::array<const char*, 11>& names)
{
    std::array<QAction*, 11> items {};
    for (size_t i = 0; i < core::kPresets.size(); ++i) {
        if (i == 2)
            menu->addSeparator()->setObjectName(QStringLiteral("none10"));
        items[i] = widgets::add_action(menu, names[i], QString::fromLatin1(core::kPresets[i].caption));
    }
    return items;
}

} // namespace editing
