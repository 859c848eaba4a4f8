#include "shell/splash.h"

#include "platform/platform.h"
#include "storage/files.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace shell {

using widgets::twips_rect;

namespace {
const char kCredits[]
    = "Pigmentor " PIGMENTOR_VERSION "\n"
      "A colour tool for people who write web pages.\n\n"
      "Made by the Pigmentor developers. Free to use and to pass on, unchanged and "
      "without charge.\n\n"
      "Questions and the latest version: Help > On the Web > Pigmentor Website.";
}

Splashscreen::Splashscreen(Mode mode, platform::Platform& platform, const QString& prefs_file,
    QWidget* main_window, std::function<void()> show_main)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Dialog), mode_(mode), platform_(platform),
      prefs_file_(prefs_file), main_(main_window), show_main_(std::move(show_main))
{
    setObjectName(QStringLiteral("Splashscreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pigmentor"));
    setFixedSize(widgets::px(5025), widgets::px(3480));

    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setSingleShot(true);
    timer_.setInterval(1100);
    connect(&timer_, &QTimer::timeout, this, &QWidget::close);

    command1_ = new QPushButton(QStringLiteral("&Close"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setToolTip(QStringLiteral("Close"));
    command1_->setGeometry(twips_rect(2790, 2950, 735, 255).adjusted(0, -3, 0, 3));
    command1_->hide();
    connect(command1_, &QPushButton::clicked, this, &Splashscreen::Command1_Click);

    command2_ = new QPushButton(QStringLiteral("&More Info"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setToolTip(QStringLiteral("Click Here for more info about Pigmentor"));
    command2_->setGeometry(twips_rect(1800, 2950, 1000, 255).adjusted(0, -3, 0, 3));
    command2_->hide();
    connect(command2_, &QPushButton::clicked, this, &Splashscreen::moreinfo);

    label1_ = new QLabel(QString::fromUtf8(kCredits), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(twips_rect(720, 1440, 3660, 1425));
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setAutoFillBackground(true);
    QFont credits(QStringLiteral("Arial"));
    credits.setPointSize(9);
    label1_->setFont(credits);
    label1_->hide();
    label1_->installEventFilter(this);

    label2_ = new QLabel(QString::fromLatin1(kVersionLabel), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setToolTip(QStringLiteral("Version Number"));
    label2_->move(widgets::px(3780), widgets::px(1680));
    label2_->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));

    check1_ = new widgets::ValueCheckBox(QStringLiteral("Check1"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->hide();
}

bool Splashscreen::load()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    if (mode_ == Mode::StartUp) {
        timer_.start();
        const auto bytes = storage::read_small_file(prefs_file_);
        const std::vector<int> values
            = bytes ? storage::read_integers(*bytes, 4) : std::vector<int> {};
        if (values.size() < 4) {
            // Without a readable preference the splash shows, but not cut to shape.
            show();
            return true;
        }
        if (values[3] == 0) {
            timer_.stop();
            main_opened_ = true;
            show_main_();
            close();
            return false;
        }
    } else {
        timer_.stop();
        command1_->show();
        command2_->show();
        if (main_)
            main_->setEnabled(false);
    }
    shape_as_ellipse();
    show();
    return true;
}

void Splashscreen::shape_as_ellipse()
{
    // Left 1, top 1, right W, bottom H in pixels, as a rectangle of W-1 by H-1.
    platform_.setEllipticShape(this, QRect(QPoint(1, 1), QPoint(width() - 1, height() - 1)));
}

void Splashscreen::moreinfo()
{
    if (widgets::check_value(check1_) == 0) {
        command2_->setText(QStringLiteral("Hide"));
        widgets::set_check_value(check1_, 1);
        label1_->show();
    } else if (widgets::check_value(check1_) == 1) {
        widgets::set_check_value(check1_, 0);
        label1_->hide();
        command2_->setText(QStringLiteral("&More Info"));
    }
}

void Splashscreen::Command1_Click()
{
    if (main_)
        main_->setEnabled(true);
    close();
    if (main_ && (main_->isMinimized() || main_->isMaximized()))
        main_->setWindowState(Qt::WindowNoState);
}

void Splashscreen::closeEvent(QCloseEvent* event)
{
    timer_.stop();
    if (mode_ == Mode::StartUp && !main_opened_) {
        main_opened_ = true;
        if (show_main_)
            show_main_();
    } else if (mode_ == Mode::About && main_) {
        main_->setEnabled(true);
    }
    event->accept();
}

bool Splashscreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == label1_ && event->type() == QEvent::MouseButtonPress) {
        moreinfo();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Splashscreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x00, 0x33, 0x66));
    sky.setColorAt(1, QColor(0x00, 0x66, 0x99));
    painter.fillRect(rect(), sky);

    // A fan of Safe Palette swatches behind the name.
    const QColor swatches[]
        = {QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x99, 0x00), QColor(0xFF, 0xCC, 0x00),
            QColor(0x00, 0xFF, 0x00), QColor(0x00, 0x99, 0xFF), QColor(0x66, 0x00, 0xCC)};
    const int n = int(std::size(swatches));
    const int w = 34;
    const int left = (width() - n * w) / 2;
    for (int i = 0; i < n; ++i)
        painter.fillRect(QRect(left + i * w, 40, w - 4, 22), swatches[i]);

    QFont title(QStringLiteral("Arial"));
    title.setPointSize(26);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 66, width(), 50), Qt::AlignCenter, QStringLiteral("Pigmentor"));

    QFont sub(QStringLiteral("Arial"));
    sub.setPointSize(9);
    painter.setFont(sub);
    painter.setPen(QColor(0xCC, 0xFF, 0xFF));
    painter.drawText(
        QRect(0, 140, width(), 20), Qt::AlignCenter, QStringLiteral("Colours for the web"));
}

} // namespace shell
