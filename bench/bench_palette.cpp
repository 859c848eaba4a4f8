// Times the Palette window with 200 colours: opening it (reading the file, the list and
// the 39,800 pairs of the contrast grid) and drawing the grid once, offscreen.
#include "palette/palette_window.h"
#include "platform/fake_platform.h"
#include "storage/palette_files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPixmap>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A folder whose last-used palette holds 200 different colours.
struct PaletteFolder {
    QTemporaryDir dir;
    PaletteFolder()
    {
        storage::PaletteData data {QStringLiteral("Bench"), {}};
        for (int i = 0; i < 200; ++i)
            data.swatches.push_back({"--c-" + std::to_string(i), {(i * 37) % 256, (i * 91) % 256, (i * 13) % 256}});
        QFile f(dir.filePath(QLatin1String(palette::kDefaultPaletteFile)));
        f.open(QIODevice::WriteOnly);
        f.write(storage::palette_file_bytes(data));
    }
};

void BM_PaletteWindowOpens200(benchmark::State& state)
{
    PaletteFolder folder;
    platform::FakePlatform fake;
    for (auto _ : state) {
        palette::PaletteWindow w(fake, folder.dir.path(), {});
        w.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.pairs()->rowCount());
    }
}
BENCHMARK(BM_PaletteWindowOpens200)->Unit(benchmark::kMillisecond);

void BM_PairGridDraws(benchmark::State& state)
{
    PaletteFolder folder;
    platform::FakePlatform fake;
    palette::PaletteWindow w(fake, folder.dir.path(), {});
    w.show();
    QApplication::processEvents();
    QPixmap target(w.grid()->viewport()->size());
    for (auto _ : state)
        w.grid()->viewport()->render(&target);
}
BENCHMARK(BM_PairGridDraws)->Unit(benchmark::kMillisecond);

// A click on the ratio header: all 39,800 pairs sorted.
void BM_PairGridSorts(benchmark::State& state)
{
    PaletteFolder folder;
    platform::FakePlatform fake;
    palette::PaletteWindow w(fake, folder.dir.path(), {});
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        w.grid()->horizontalHeader()->setSortIndicator(palette::PairModel::Ratio, order);
    }
}
BENCHMARK(BM_PairGridSorts)->Unit(benchmark::kMillisecond);

} // namespace
