#pragma once

#include "editor/main_window.h"
#include "platform/fake_platform.h"
#include "storage/config_folder.h"

#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{' << l.join(QStringLiteral(" | ")).toStdString() << '}';
}
QT_END_NAMESPACE

// A main window over the fake platform, with its .ini files in a fresh folder.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the main window (after any files the test wrote) and runs its load.
    editor::Form1& open_main(bool load = true);

    QString file(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

    // Types into a box as a user would: focus, select all, keys.
    static void type_into(QWidget* box, const QString& text);
    static void set_bars(editing::EditingWindow& w, int r, int g, int b);
    static QString rgb_of(const editing::EditingWindow& w);

    QTemporaryDir dir;
    platform::FakePlatform fake;
    std::unique_ptr<editor::Form1> main;
    int process_ends = 0;
};
