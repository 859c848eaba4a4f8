// The toolkit floor for the start-up benchmark: the least a Qt Widgets program with a
// menu bar and a few controls costs to start.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Toolkit floor"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("A minimal window")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    window.setCentralWidget(central);
    window.resize(480, 367);
    window.show();
    return app.exec();
}
