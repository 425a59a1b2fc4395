// A click on CopyButton in the real window with 100,000 random codes in the list: reading the
// list, building the document and handing it to the clipboard.

#include <QAbstractButton>
#include <QApplication>

#include <benchmark/benchmark.h>

#include <random>

#include "app/main_window.h"
#include "app/qt_toolkit.h"
#include "svg/svg_state.h"

namespace kt {
namespace {

Text randomCodes(int count)
{
    std::mt19937 random(11);
    Text list;
    for (int i = 0; i < count; ++i) {
        for (int d = 0; d < 13; ++d)
            list += static_cast<char>('0' + random() % 10);
        list += "\r\n";
    }
    return list;
}

void copyClick(benchmark::State& state)
{
    const int codes = static_cast<int>(state.range(0));
    MainWindow window;
    window.show();
    window.toolkit().setEditText(Control::CodeListEdit, randomCodes(codes));
    auto* copy = static_cast<QAbstractButton*>(window.control(Control::CopyButton));
    for (auto _ : state) {
        copy->click();
        QApplication::processEvents();
    }
    state.counters["document MB"] = static_cast<double>(SvgDocument.size()) / 1e6;
    state.SetItemsProcessed(state.iterations() * codes);
}
BENCHMARK(copyClick)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace kt
