#include <benchmark/benchmark.h>

#include "commands/verify.h"
#include "fake_toolkit.h"

namespace kt {
namespace {

// A list of a million 13-digit codes with a wrong check digit and a space in each line.
Text millionCodeList()
{
    Text list;
    list.reserve(1'000'000 * 16);
    for (int i = 0; i < 1'000'000; ++i) {
        Text body = std::to_string(690'000'000'000LL + i);
        list += body.substr(0, 6) + ' ' + body.substr(6) + "0\r\n";
    }
    return list;
}

void verifyMillionLines(benchmark::State& state)
{
    const Text list = millionCodeList();
    FakeToolkit ui;
    for (auto _ : state) {
        ui.texts[Control::CodeListEdit] = list;
        verifyCodeList(ui);
        benchmark::DoNotOptimize(ui.texts[Control::CodeListEdit].data());
    }
}
BENCHMARK(verifyMillionLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kt
