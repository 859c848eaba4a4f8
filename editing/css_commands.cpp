#include "editing/css_commands.h"
#include "editing/channel_editor.h"

#include "core/css.h"
#include "platform/eyedropper.h"
#include "platform/platform.h"
#include "widgets/controls.h"

#include <QAction>
#include <QColor>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>

#include <cstring>

namespace editing {

void CssCopyMenu::update(const core::Rgb& c) const
{
    hex->setText(core::css_hex(c));
    const auto short_form = core::css_short_hex(c);
    short_hex->setText(short_form ? *short_form : QStringLiteral("#rgb"));
    short_hex->setEnabled(bool(short_form));
    const std::pair<QAction*, core::CssForm> forms[] = {{rgb, core::CssForm::Rgb},
        {hsl, core::CssForm::Hsl}, {hwb, core::CssForm::Hwb}, {lab, core::CssForm::Lab},
        {lch, core::CssForm::Lch}, {oklab, core::CssForm::Oklab}, {oklch, core::CssForm::Oklch},
        {display_p3, core::CssForm::DisplayP3}, {property, core::CssForm::CustomProperty}};
    for (const auto& [item, form] : forms)
        item->setText(*core::css_copy_text(form, c));
    const auto named = core::css_name(c);
    name->setText(named ? *named : QStringLiteral("Color Name"));
    name->setEnabled(bool(named));
}

std::vector<QAction*> CssCopyMenu::items() const
{
    return {hex, short_hex, rgb, hsl, hwb, lab, lch, oklab, oklch, display_p3, name, property};
}

CssCopyMenu add_css_copy_menu(
    QMenu* parent, const QString& caption, const QString& base, const QString& suffix)
{
    CssCopyMenu m;
    m.menu = parent->addMenu(caption);
    m.menu->setObjectName(QStringLiteral("copy") + base + suffix);
    // Until the menu first opens, each item is captioned with the form it copies.
    const auto item = [&](const char* kind, const char* form) {
        QAction* a = m.menu->addAction(QString::fromLatin1(form));
        a->setObjectName(base + QLatin1String(kind) + suffix);
        return a;
    };
    m.hex = item("hex", "#rrggbb");
    m.short_hex = item("shorthex", "#rgb");
    m.rgb = item("rgb", "rgb()");
    m.hsl = item("hsl", "hsl()");
    m.hwb = item("hwb", "hwb()");
    m.lab = item("lab", "lab()");
    m.lch = item("lch", "lch()");
    m.oklab = item("oklab", "oklab()");
    m.oklch = item("oklch", "oklch()");
    m.display_p3 = item("displayp3", "color(display-p3)");
    m.name = item("name", "Color Name");
    m.menu->addSeparator()->setObjectName(base + QLatin1String("sep") + suffix);
    m.property = item("property", "--color");
    return m;
}

void connect_css_copy_menu(const CssCopyMenu& m, std::function<core::Rgb()> color,
    std::function<void(const QString&)> copy)
{
    QObject::connect(m.menu, &QMenu::aboutToShow, m.menu, [m, color] { m.update(color()); });
    for (QAction* a : m.items()) {
        // The caption is the text itself: it has no mnemonic to strip.
        QObject::connect(a, &QAction::triggered, m.menu, [m, a, color, copy] {
            // A shortcut-less item can still be triggered without the menu opening.
            m.update(color());
            if (a->isEnabled())
                copy(a->text());
        });
    }
}

std::optional<CssApplied> apply_css_text(
    EditingWindow& w, const QString& text, const core::Rgb& backdrop)
{
    // Anything longer than the bound is refused without being looked at.
    const QString bounded = text.left(core::kCssMaxLength + 1);
    const core::CssColor parsed = core::parse_css_color(bounded, backdrop);
    if (parsed.refusal != core::CssRefusal::None) {
        show_message(w.platform(), w.widget(), core::css_refusal_message(parsed.refusal, parsed.needs));
        return std::nullopt;
    }
    w.channel_editor().setColor(parsed.rgb);
    return CssApplied {parsed.rgb, parsed.alpha < 1 ? flattened_note(bounded, backdrop) : QString()};
}

QString flattened_note(const QString& text, const core::Rgb& backdrop)
{
    // The text on one line, and not so long that the line says nothing else.
    QString shown = text.simplified();
    constexpr int kShown = 40;
    if (shown.size() > kShown)
        shown = shown.left(kShown - 1) + QStringLiteral("…");
    const QString onto = backdrop == kWhite
        ? QStringLiteral("white")
        : QStringLiteral("the background ") + core::css_hex(backdrop);
    return shown + QStringLiteral(" flattened onto ") + onto;
}

std::optional<QString> dropped_css_text(const QMimeData* mime)
{
    if (!mime)
        return std::nullopt;
    const auto rgb_text = [](double r, double g, double b, double alpha) {
        const auto n = [](double v) { return QString::number(v, 'g', 8); };
        return QStringLiteral("rgb(%1 %2 %3 / %4)").arg(n(r), n(g), n(b), n(alpha));
    };
    if (mime->hasColor()) {
        const QColor c = qvariant_cast<QColor>(mime->colorData()).toRgb();
        if (c.isValid())
            return rgb_text(c.redF() * 255, c.greenF() * 255, c.blueF() * 255, c.alphaF());
    }
    // Four 16-bit channels, red, green, blue and alpha, in the machine's byte order.
    const QByteArray data = mime->data(QStringLiteral("text/x-color"));
    if (data.size() == 8) {
        quint16 v[4];
        std::memcpy(v, data.constData(), sizeof v);
        return rgb_text(v[0] / 257.0, v[1] / 257.0, v[2] / 257.0, v[3] / 65535.0);
    }
    // Files are not colours, though the toolkit offers their names as text.
    if (mime->hasText() && !(mime->hasUrls() && !mime->hasFormat(QStringLiteral("text/plain"))))
        return mime->text();
    return std::nullopt;
}

namespace {

// Takes drops on the window it watches.
class ColorDrops : public QObject {
public:
    ColorDrops(QWidget* window, std::function<void(const QString&)> dropped)
        : QObject(window), dropped_(std::move(dropped))
    {
        window->setAcceptDrops(true);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (dropped_css_text(drag->mimeData())) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const auto text = dropped_css_text(drop->mimeData());
            if (!text)
                return false;
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            dropped_(*text);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    std::function<void(const QString&)> dropped_;
};

} // namespace

void accept_color_drops(QWidget* window, std::function<void(const QString&)> dropped)
{
    new ColorDrops(window, std::move(dropped));
}

void pick_from_screen(EditingWindow& w, std::function<void(const core::Rgb&)> picked)
{
    QPointer<QWidget> window = w.widget();
    EditingWindow* target = &w;
    w.platform().pickScreenColor(
        w.widget(), [window, target, picked](const platform::ScreenPick& pick) {
            if (!window)
                return;
            switch (pick.outcome) {
            case platform::ScreenPick::Outcome::Picked: {
                const core::Rgb c {pick.color.red(), pick.color.green(), pick.color.blue()};
                target->channel_editor().setColor(c);
                if (picked)
                    picked(c);
                break;
            }
            case platform::ScreenPick::Outcome::Unavailable:
                show_message(target->platform(), window,
                    {platform::kPickUnavailableText, platform::kPickTitle,
                        core::Icon::Information});
                break;
            case platform::ScreenPick::Outcome::Cancelled:
                break;
            }
        });
}

QString css_info_text(const core::Rgb& c)
{
    const core::NearestName nearest = core::nearest_css_name(c);
    const QString name = nearest.exact
        ? nearest.name
        : QStringLiteral("≈ %1 (ΔE %2)").arg(nearest.name).arg(nearest.delta_e, 0, 'f', 1);
    return name + QStringLiteral("   ") + core::css_hsl(c);
}

} // namespace editing
