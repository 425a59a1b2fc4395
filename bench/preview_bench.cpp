#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <string>

#include "app/code_list_edit.h"
#include "app/main_window.h"
#include "app/preview_canvas.h"
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

// A shown window whose list holds a million codes, the caret at the end of the last one.
class MillionCodeWindow {
public:
    MillionCodeWindow()
    {
        window.show();
        window.toolkit().setEditText(Control::CodeListEdit, millionCodes());
        list().moveCursor(QTextCursor::End);
        list().moveCursor(QTextCursor::Left);
        list().setFocus();
        QApplication::processEvents();
    }

    CodeListEdit& list() { return window.codeListEdit(); }
    const QImage& preview() { return static_cast<PreviewCanvas&>(*window.previewCanvas()).picture(); }

    // Sends the key and lets the window repaint what it changed.
    void send(QEvent::Type type, Qt::Key key)
    {
        QKeyEvent event(type, key, Qt::NoModifier);
        QApplication::sendEvent(&list(), &event);
        QApplication::processEvents();
    }

    MainWindow window;
};

// The preview of the caret's code is redrawn on every key release in the list.
void keyReleaseInMillionLineList(benchmark::State& state)
{
    MillionCodeWindow window;
    const QImage blank = window.preview();
    window.send(QEvent::KeyRelease, Qt::Key_End);
    if (window.preview() == blank)
        state.SkipWithError("the key release drew no preview");
    for (auto _ : state)
        window.send(QEvent::KeyRelease, Qt::Key_End);
}
BENCHMARK(keyReleaseInMillionLineList)->Unit(benchmark::kMillisecond);

// A key press after the 13th byte of a line, refused by the input limit.
void refusedKeyPressInMillionLineList(benchmark::State& state)
{
    MillionCodeWindow window;
    const int characters = window.list().document()->characterCount();
    for (auto _ : state)
        window.send(QEvent::KeyPress, Qt::Key_5);
    if (window.list().document()->characterCount() != characters)
        state.SkipWithError("the key press was not refused");
}
BENCHMARK(refusedKeyPressInMillionLineList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kt
