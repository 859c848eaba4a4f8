// Times the main window's synchronisation on the real widgets (offscreen).
#include "editor/main_window.h"
#include "station/station.h"
#include "platform/fake_platform.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    platform::FakePlatform fake;
    editor::Form1 window {fake, storage::ConfigFolder(dir.path())};
};

void BM_ClrChangePath(benchmark::State& state)
{
    Fixture f;
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) % 256;
        f.window.CLR(0)->setValue(v); // one full CLR_Change with its nested box handlers
    }
}
BENCHMARK(BM_ClrChangePath);

void BM_HexEntry(benchmark::State& state)
{
    Fixture f;
    const QString codes[] = {QStringLiteral("ff9900"), QStringLiteral("336699")};
    int i = 0;
    for (auto _ : state) {
        f.window.view().Text4->setText(codes[i ^= 1]);
        f.window.view().Command5->click(); // checks, parses and writes three bars
    }
}
BENCHMARK(BM_HexEntry);

// The station's change handling, once per value of the red bar of the selected target.
void BM_StationClrChange(benchmark::State& state)
{
    QTemporaryDir dir;
    platform::FakePlatform fake;
    station::Form3 station(fake, dir.filePath(QStringLiteral("pmtmprefs.ini")),
        [] { return station::CopyOptions {}; });
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) % 256;
        station.CLR(0)->setValue(v);
    }
}
BENCHMARK(BM_StationClrChange);

} // namespace
