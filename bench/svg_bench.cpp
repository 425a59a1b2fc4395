// Building SVG documents from code lists in rows, in codes per second.

#include <benchmark/benchmark.h>

#include <random>

#include "svg/barcode_group.h"
#include "svg/svg_document.h"

namespace {

kt::Text randomCodeList(int codes)
{
    std::mt19937 random(7);
    kt::Text list;
    for (int i = 0; i < codes; ++i) {
        for (int d = 0; d < 13; ++d)
            list += static_cast<char>('0' + random() % 10);
        list += "\r\n";
    }
    return list;
}

// The whole copy road without the window: spaces, lines, groups, head and tail.
void documentFromList(benchmark::State& state)
{
    const int codes = static_cast<int>(state.range(0));
    const kt::Text list = randomCodeList(codes);
    for (auto _ : state) {
        kt::SvgBuild build = kt::buildSvgText(list, false);
        benchmark::DoNotOptimize(build.document.data());
    }
    state.SetItemsProcessed(state.iterations() * codes);
}
BENCHMARK(documentFromList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Groups streamed into one reused buffer, as a writer of very long lists would.
void groupsStreamed(benchmark::State& state)
{
    const kt::Text list = randomCodeList(1000);
    kt::Text out;
    out.reserve(4000 * 1000);
    for (auto _ : state) {
        out.clear();
        for (std::size_t line = 0; line < 1000; ++line)
            kt::appendBarcodeGroup(out, std::string_view(list).substr(line * 15, 12), 0,
                                   static_cast<int>(line + 1));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(groupsStreamed);

}  // namespace
