// The station's contrast lab: the panel under the sample, suggestions of a passing colour
// and the colour-vision views of the sample.
#include "station/station.h"

#include "core/messages.h"
#include "core/wcag.h"
#include "station/vision_effect.h"

namespace station {

void Form3::build_contrast()
{
    const ContrastMenu& m = view_.contrast_menu;
    connect(m.suggestaa, &QAction::triggered, this, [this] {
        suggest_contrast(core::required_hundredths(core::Use::NormalText, core::Level::AA), false);
    });
    connect(m.suggestaaa, &QAction::triggered, this, [this] {
        suggest_contrast(core::required_hundredths(core::Use::NormalText, core::Level::AAA), false);
    });
    connect(m.suggestobject, &QAction::triggered, this, [this] {
        suggest_contrast(core::required_hundredths(core::Use::NonText, core::Level::AA), true);
    });
    for (int v = 0; v < core::kVisionCount; ++v)
        connect(m.views[size_t(v)], &QAction::triggered, this,
            [this, v] { set_vision(core::Vision(v)); });
    // After Hide Text's own handling, which hides the sample text.
    connect(view_.Check2, &QCheckBox::stateChanged, this, &Form3::update_contrast);
    update_contrast();
}

void Form3::update_contrast()
{
    view_.contrastPanel->show_pairs(widgets::to_rgb(target_color(Background)),
        widgets::to_rgb(target_color(Object)), widgets::to_rgb(target_color(Text)),
        view_.Label3->isHidden());
}

void Form3::suggest_contrast(int need_hundredths, bool object_level)
{
    // The text and the object are read on the background; the background is judged on the
    // text for the text levels and on the object for 3:1.
    const Target target = selected_target();
    const Target other = target != Background ? Background : object_level ? Object : Text;
    const core::Rgb against = widgets::to_rgb(target_color(other));
    const bool safe_only = view_.Check1->checkState() == Qt::Checked;
    const auto suggestion
        = core::suggest_passing(channels_->color(), against, need_hundredths, safe_only);
    if (!suggestion) {
        const char* names[] = {"background", "object", "text"};
        const QString text = QStringLiteral("No %1color reaches %2 against the %3 (%4). Make the "
                                            "%3 lighter or darker first.")
                                 .arg(safe_only ? QStringLiteral("Safe Palette ") : QString(),
                                     QString::fromLatin1(core::ratio_text(need_hundredths).c_str()),
                                     QString::fromLatin1(names[other]),
                                     QString::fromLatin1(core::build_hex_code(against).c_str()));
        editing::show_message(platform_, this,
            core::Message {text.toStdString(), "Contrast", core::Icon::Information});
        return;
    }
    channels_->setColor(*suggestion);
}

void Form3::set_vision(core::Vision v)
{
    view_.contrast_menu.views[size_t(v)]->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(view_.Shape1), static_cast<QWidget*>(view_.Shape2),
             static_cast<QWidget*>(view_.Label3)})
        w->setGraphicsEffect(v == core::Vision::Normal ? nullptr : new VisionEffect(v, w));
    view_.contrastPanel->show_vision(v);
}

} // namespace station
