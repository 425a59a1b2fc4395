#pragma once
// A recording stand-in for the window: holds control texts, check states and carets, and
// records what commands show, copy, write and draw, in order.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/toolkit.h"

namespace kt {

struct RecordedMessage {
    Text text;
    Text title;
    MessageIcon icon;
    MessageOwner owner;
    bool operator==(const RecordedMessage&) const = default;
};

class FakeToolkit : public Toolkit {
public:
    std::map<Control, Text> texts;
    std::map<Control, int> carets;
    std::map<Control, bool> checks;

    std::vector<RecordedMessage> messages;
    std::vector<Text> clipboard;                // every clipboard write
    std::vector<Text> saveDialogNames;          // every proposed name shown
    std::optional<std::string> saveDialogAnswer;  // what the user picks; nothing cancels
    std::map<std::string, Text> files;          // what was written where
    std::optional<Text> writeFailure;           // makes every write fail with this reason
    std::uint32_t ticks = 0;
    int separatorWindowOpenings = 0;
    bool separatorWindowCloseRequested = false;
    // Stands in for the user while SeparatorWindow is open.
    std::function<void(FakeToolkit&)> whileSeparatorWindowOpen;

    // Canvas calls in order: "clear", "fillColour FFFFFF", "fillRect 50 30 53 195",
    // "font OCR-B 10 BT/25", "textColour 0000FF", "text 23 183 4".
    std::vector<std::string> canvas;
    // Every call with a visible effect, in order, for tests of sequencing.
    std::vector<std::string> log;

    Text editText(Control edit) override;
    void setEditText(Control edit, const Text& text) override;
    void appendEditText(Control edit, const Text& text) override;
    int caretOffset(Control edit) override;
    TextAroundCaret editTextAroundCaret(Control edit) override;
    bool isChecked(Control check) override;
    void showMessage(const Text& text, const Text& title, MessageIcon icon,
                     MessageOwner owner) override;
    std::optional<std::string> askSaveFileName(const Text& proposedName) override;
    std::optional<Text> writeFile(const std::string& path, const Text& text) override;
    void setClipboardText(const Text& text) override;
    std::uint32_t tickCount() override;
    void openSeparatorWindowModally() override;
    void closeSeparatorWindow() override;
    void clearCanvas() override;
    void setCanvasFillColour(Colour colour) override;
    void fillCanvasRect(int x1, int y1, int x2, int y2) override;
    void setCanvasFont(const Text& face, int points) override;
    void setCanvasTextColour(Colour colour) override;
    void writeCanvasText(int x, int y, const Text& text) override;
};

}  // namespace kt
