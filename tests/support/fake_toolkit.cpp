#include "fake_toolkit.h"

#include <cstdio>

namespace kt {

namespace {

std::string hexColour(Colour colour)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    return buffer;
}

}  // namespace

Text FakeToolkit::editText(Control edit)
{
    return texts[edit];
}

void FakeToolkit::setEditText(Control edit, const Text& text)
{
    texts[edit] = text;
    carets[edit] = 0;
    log.push_back("setEditText");
}

void FakeToolkit::appendEditText(Control edit, const Text& text)
{
    texts[edit] += text;
    carets[edit] = static_cast<int>(texts[edit].size());
    log.push_back("appendEditText");
}

int FakeToolkit::caretOffset(Control edit)
{
    return carets[edit];
}

TextAroundCaret FakeToolkit::editTextAroundCaret(Control edit)
{
    return {texts[edit], carets[edit]};
}

bool FakeToolkit::isChecked(Control check)
{
    return checks[check];
}

void FakeToolkit::showMessage(const Text& text, const Text& title, MessageIcon icon,
                              MessageOwner owner)
{
    messages.push_back({text, title, icon, owner});
    log.push_back("message " + text);
}

std::optional<std::string> FakeToolkit::askSaveFileName(const Text& proposedName)
{
    saveDialogNames.push_back(proposedName);
    log.push_back("saveDialog " + proposedName);
    return saveDialogAnswer;
}

std::optional<Text> FakeToolkit::writeFile(const std::string& path, const Text& text)
{
    log.push_back("writeFile " + path);
    if (writeFailure)
        return writeFailure;
    files[path] = text;
    return std::nullopt;
}

void FakeToolkit::setClipboardText(const Text& text)
{
    clipboard.push_back(text);
    log.push_back("clipboard");
}

std::uint32_t FakeToolkit::tickCount()
{
    return ticks;
}

void FakeToolkit::openSeparatorWindowModally()
{
    ++separatorWindowOpenings;
    separatorWindowCloseRequested = false;
    texts[Control::SourceTextEdit].clear();
    texts[Control::SeparatorEdit].clear();
    log.push_back("openSeparatorWindow");
    if (whileSeparatorWindowOpen)
        whileSeparatorWindowOpen(*this);
}

void FakeToolkit::closeSeparatorWindow()
{
    separatorWindowCloseRequested = true;
    log.push_back("closeSeparatorWindow");
}

void FakeToolkit::clearCanvas()
{
    canvas.push_back("clear");
}

void FakeToolkit::setCanvasFillColour(Colour colour)
{
    canvas.push_back("fillColour " + hexColour(colour));
}

void FakeToolkit::fillCanvasRect(int x1, int y1, int x2, int y2)
{
    canvas.push_back("fillRect " + std::to_string(x1) + ' ' + std::to_string(y1) + ' '
                     + std::to_string(x2) + ' ' + std::to_string(y2));
}

void FakeToolkit::setCanvasFont(const Text& face, int points)
{
    canvas.push_back("font " + face + '/' + std::to_string(points));
}

void FakeToolkit::setCanvasTextColour(Colour colour)
{
    canvas.push_back("textColour " + hexColour(colour));
}

void FakeToolkit::writeCanvasText(int x, int y, const Text& text)
{
    canvas.push_back("text " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + text);
}

}  // namespace kt
