#include "window_test.h"

#include "editing/channel_editor.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

void WindowTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
}

void WindowTest::TearDown()
{
    if (main) {
        if (auto* s = main->station())
            delete s;
        main.reset();
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            w->close();
    }
    QApplication::processEvents();
}

editor::Form1& WindowTest::open_main(bool load)
{
    main = std::make_unique<editor::Form1>(fake, storage::ConfigFolder(dir.path()));
    main->set_process_end([this] { ++process_ends; });
    if (load)
        main->Form_Load();
    main->show();
    QApplication::setActiveWindow(main.get());
    return *main;
}

void WindowTest::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray WindowTest::read(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

void WindowTest::type_into(QWidget* box, const QString& text)
{
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box))
        edit->selectAll();
    QTest::keyClicks(box, text);
}

void WindowTest::set_bars(editing::EditingWindow& w, int r, int g, int b)
{
    const auto& bars = w.channel_editor().controls().bars;
    bars[0]->setValue(r);
    bars[1]->setValue(g);
    bars[2]->setValue(b);
}

QString WindowTest::rgb_of(const editing::EditingWindow& w)
{
    const core::Rgb c = w.channel_editor().color();
    return QStringLiteral("%1,%2,%3").arg(c.red).arg(c.green).arg(c.blue);
}
