// Times one paste of a CSS colour: the reader alone on the heaviest forms, and the whole
// wrapper the windows call (toolkit string in, flattened 8-bit colour out).
#include "core/css.h"
#include "core/css_read.h"

#include <benchmark/benchmark.h>

namespace {

// color-mix() in OKLCH of two relative colours with calc(), each origin itself converted,
// and the result beyond sRGB.
constexpr const char* kHeaviest
    = "color-mix(in oklch longer hue, oklch(from rgb(from #336699 calc(r + 20) g b) "
      "calc(l * 1.1) c calc(h + 30)) 30%, lab(from color(display-p3 1 0 0) l calc(a / 2) b))";
const char* const kForms[] = {"#ff9900", "rgb(255 153 0 / 50%)", "hsl(36, 100%, 50%)",
    "oklch(0.7 0.4 145)", "color(display-p3 1 0 0)", "color(rec2020 0 1 0)", kHeaviest,
    "background-color: /* brand */ var(--brand, lch(from #f90 l calc(c * 2) h)) !important;"};

void BM_CssRead(benchmark::State& state)
{
    const char* text = kForms[state.range(0)];
    state.SetLabel(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::read_css_color(text));
}
BENCHMARK(BM_CssRead)->DenseRange(0, int(std::size(kForms)) - 1);

void BM_CssPasteHeaviest(benchmark::State& state)
{
    const QString text = QString::fromLatin1(kHeaviest);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::parse_css_color(text));
}
BENCHMARK(BM_CssPasteHeaviest);

} // namespace
