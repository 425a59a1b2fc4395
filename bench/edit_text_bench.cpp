#include <QApplication>

#include <benchmark/benchmark.h>

#include "app/code_list_edit.h"
#include "app/main_window.h"
#include "app/qt_toolkit.h"

namespace kt {
namespace {

Text millionCodes()
{
    Text list;
    list.reserve(1'000'000 * 15);
    for (int i = 0; i < 1'000'000; ++i)
        list += std::to_string(6'900'000'000'000LL + i) + "\r\n";
    return list;
}

// What a command that rewrites a list of a million codes waits for, in a shown window.
void setMillionLineList(benchmark::State& state)
{
    const Text list = millionCodes();
    MainWindow window;
    window.show();
    for (auto _ : state) {
        window.toolkit().setEditText(Control::CodeListEdit, list);
        QApplication::processEvents();
    }
}
BENCHMARK(setMillionLineList)->Unit(benchmark::kMillisecond)->Iterations(3);

void readMillionLineList(benchmark::State& state)
{
    MainWindow window;
    window.toolkit().setEditText(Control::CodeListEdit, millionCodes());
    for (auto _ : state)
        benchmark::DoNotOptimize(window.toolkit().editText(Control::CodeListEdit).size());
}
BENCHMARK(readMillionLineList)->Unit(benchmark::kMillisecond);

void caretOffsetAtTheEndOfMillionLines(benchmark::State& state)
{
    MainWindow window;
    window.toolkit().setEditText(Control::CodeListEdit, millionCodes());
    window.codeListEdit().moveCursor(QTextCursor::End);
    for (auto _ : state)
        benchmark::DoNotOptimize(window.toolkit().caretOffset(Control::CodeListEdit));
}
BENCHMARK(caretOffsetAtTheEndOfMillionLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kt
