#include "shell/readme_viewer.h"

#include "widgets/controls.h"
#include "platform/platform.h"
#include "storage/config_folder.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace shell {

namespace {
// The viewer reads text files, not whatever lies around: a ReadMe is a few KiB.
constexpr qint64 kReadmeLimit = 4 * 1024 * 1024;
} // namespace

Form2::Form2(platform::Platform& platform) : QWidget(nullptr), platform_(platform)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pigmentor ReadMe.txt"));
    resize(widgets::px(9390), widgets::px(5175));

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(widgets::twips_rect(0, 0, 9375, 5175));
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setReadOnly(true);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(9);
    text1_->setFont(mono);
    text1_->setPlainText(
        QStringLiteral("You should see the contents of ReadMe.txt here.\n"
                       "If you don't, the file is currently loading! Please wait...\n"));

    command1_ = new QPushButton(QStringLiteral("&Close"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    QFont bold = command1_->font();
    bold.setBold(true);
    command1_->setFont(bold);
    command1_->setGeometry(widgets::twips_rect(7965, 90, 1095, 345));
    command1_->raise();
    connect(command1_, &QPushButton::clicked, this, &QWidget::close);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

std::optional<ReadmeLayout> readme_layout(int window_width, int window_height)
{
    if (window_width < 132 || window_height < 892)
        return std::nullopt;
    return ReadmeLayout {window_width - 120, window_height - 400, window_width - 1550};
}

void Form2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The window's outer size in twips: the client area plus the frame around it.
    const QSize outer = frameGeometry().size().expandedTo(size());
    const auto layout = readme_layout(outer.width() * 15, outer.height() * 15);
    if (!layout)
        return;
    text1_->resize(widgets::px(layout->text_width), widgets::px(layout->text_height));
    command1_->move(widgets::px(layout->button_left), command1_->y());
}

void load_readme(Form2& viewer, const QString& file_name)
{
    QFile file(storage::readme_path(file_name));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kReadmeLimit) {
        viewer.platform().showMessage(&viewer,
            QStringLiteral("Error encountered while trying to open file, "
                           "please retry."),
            QStringLiteral("Text Editor"), core::Icon::Exclamation);
        return;
    }
    const QByteArray bytes = file.readAll();
    viewer.Text1()->setPlainText(QString::fromLocal8Bit(bytes));
}

} // namespace shell
