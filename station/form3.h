#pragma once

#include "core/color.h"
#include "widgets/editing.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <array>
#include <functional>

namespace station {

// The main window's two copy options, which the station's copies follow.
struct CopyOptions {
    bool hash_prefix = false;
    bool alert = true;
};

enum Target { Background = 0, Object = 1, Text = 2 };

// The Color Matching Station: a sample of background, object and text, and one set of
// editing controls for whichever of the three is selected.
class Form3 : public QMainWindow, public editing::EditingWindow {
    Q_OBJECT
public:
    Form3(platform::Platform& platform, QString station_prefs_file,
        std::function<CopyOptions()> copy_options);
    ~Form3() override;

    // EditingWindow
    QScrollBar* CLR(int channel) const override { return clr_[channel]; }
    QLineEdit* channelBox(int channel) const override { return text_[channel]; }
    editing::CommonDialog& CommonDialog1() override { return dialog_; }
    QWidget* widget() override { return this; }
    platform::Platform& platform() override { return platform_; }

    // The three target colours, as held by the sample.
    QColor target_color(Target t) const;
    Target selected_target() const;
    // Selects a target as a click on its option button does.
    void select_target(Target t);

    // Handlers and procedures.
    void CLR_Change();
    void Option_Click(Target t);
    void settool();
    void scrollbarfixer(int color);
    bool returnrgb(const QByteArray& hex);
    void get_hex(Target t, int color);
    void psets(int red, int green, int blue);
    void Command5_Click();
    void pastehex_Click();
    void Command4_Click();
    void Check1_Click();
    void autosafe_toggle(bool checked);
    void Command3_Click();
    void Check2_Click();
    void hidetxt_toggle(bool checked);
    void oval_toggle(bool checked);
    void samptxtfont_Click();
    void staytop_toggle(bool checked);
    void Command2_Click();
    void striphex(int color);
    void copyrgb(int red, int green, int blue);
    void savetheme();
    void opentheme();
    void newtheme();
    void openprefs();
    void saveprefs();

    // Controls by their names.
    QLabel* Label1() const { return label1_; }
    QLabel* Label3() const { return label3_; }
    QLineEdit* Text4() const { return text4_; }
    QLineEdit* Text7() const { return text7_; }
    QRadioButton* Option(Target t) const { return option_[t]; }
    widgets::ShapeWidget* Shape1() const { return shape1_; }
    widgets::ShapeWidget* Shape2() const { return shape2_; }
    widgets::ValueCheckBox* Check1() const { return check1_; }
    widgets::ValueCheckBox* Check2() const { return check2_; }
    QPushButton* button(const char* name) const;
    QAction* action(const char* name) const;
    QMenu* rightclik() const { return rightclik_; }
    QMenu* copymenur() const { return copymenur_; }
    QGroupBox* frame(const char* name) const;
    core::Rgb buffer() const { return buffer_; }
    QString code_slot(Target t) const { return slots_[t]; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    void build_menus();
    void copy_hex(Target t);
    void copy_rgb(Target t);

    platform::Platform& platform_;
    QString prefs_file_;
    std::function<CopyOptions()> copy_options_;
    editing::CommonDialog dialog_;
    core::Rgb buffer_; // the channel buffer
    std::array<QString, 3> slots_; // the target code slots

    std::array<QScrollBar*, 3> clr_ {};
    std::array<QLineEdit*, 3> text_ {};
    std::array<QRadioButton*, 3> option_ {};
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLineEdit* text7_ = nullptr;
    widgets::ShapeWidget* shape1_ = nullptr;
    widgets::ShapeWidget* shape2_ = nullptr;
    widgets::ValueCheckBox* check1_ = nullptr;
    widgets::ValueCheckBox* check2_ = nullptr;
    QPushButton* command5_ = nullptr;
    QMenu* rightclik_ = nullptr;
    QMenu* copymenur_ = nullptr;
};

} // namespace station
