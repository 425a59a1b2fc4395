// A NewSequenceButton click that fills the list with a million zero-padded, verified codes,
// through the real window on the offscreen platform, until the list is shown.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "app/qt_toolkit.h"
#include "commands/clear.h"

namespace kt {
namespace {

void setField(MainWindow& window, Control control, const char* text)
{
    static_cast<QLineEdit*>(window.control(control))->setText(QString::fromLatin1(text));
}

void newSequenceOfAMillionLines(benchmark::State& state)
{
    MainWindow window;
    window.show();
    setField(window, Control::PrefixEdit, "69012");
    setField(window, Control::StartEdit, "1");
    setField(window, Control::EndEdit, "1000000");
    setField(window, Control::StepEdit, "1");
    static_cast<QCheckBox*>(window.control(Control::ZeroPadCheck))->setChecked(true);
    static_cast<QCheckBox*>(window.control(Control::SyncVerifyCheck))->setChecked(true);
    auto* button = static_cast<QAbstractButton*>(window.control(Control::NewSequenceButton));
    // A refusal would wait for the user forever.
    bool refused = false;
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [&refused] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            refused = true;
            modal->close();
        }
    });
    dismiss.start(100);

    for (auto _ : state) {
        button->click();
        QApplication::processEvents();

        state.PauseTiming();
        const Text list = window.toolkit().editText(Control::CodeListEdit);
        if (refused || list.size() != 1'000'000u * 15)
            state.SkipWithError("the list does not hold a million verified codes");
        clearCodeList(window.toolkit());
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(newSequenceOfAMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kt
