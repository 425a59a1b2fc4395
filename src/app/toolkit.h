#pragma once
// The one seam between the system's commands and the window toolkit. Commands take a
// Toolkit& and reach controls only through it; src/app implements it on Qt, the tests
// with a recording fake. No Qt header may be included here.

#include <cstdint>
#include <optional>
#include <string>

#include "core/text.h"

namespace kt {

// Every named control of MainWindow and SeparatorWindow.
enum class Control {
    SequenceGroup,
    SequenceFieldsGroup,
    PrefixLabel,
    PrefixEdit,
    StartLabel,
    StartEdit,
    EndLabel,
    EndEdit,
    StepLabel,
    StepEdit,
    ZeroPadCheck,
    SyncVerifyCheck,
    NewSequenceButton,
    AddSequenceButton,
    PreviewCanvas,
    CopyButton,
    SaveButton,
    PasteHintLabel,
    StackedOutputCheck,
    CodeListEdit,
    VerifyButton,
    ClearButton,
    SeparatorButton,
    InputLimitCheck,
    SaveDialog,
    SourceTextEdit,
    SeparatorLabel,
    SeparatorEdit,
    ConvertButton,
};

// 0xBBGGRR
using Colour = std::uint32_t;
inline constexpr Colour Black = 0x000000;
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour White = 0xFFFFFF;

enum class MessageIcon { None, Error };
// Owner::None boxes are modal for the whole application; Owner::MainWindow ones sit on it.
enum class MessageOwner { None, MainWindow };

// A stretch of an edit box's text around the caret, with the caret's offset into it.
// It begins at the start of the text or with a line break, and ends at the end of the text
// or just before a line break, wide enough that every rule about the caret's line gives the
// same answer on it as on the whole text. Cheap to take from a list of a million lines.
struct TextAroundCaret {
    Text text;
    int caret = 0;
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Edit boxes. Texts are code page 936 bytes with CR LF between lines.
    virtual Text editText(Control edit) = 0;
    virtual void setEditText(Control edit, const Text& text) = 0;
    // Caret to the end, box scrolled there, text inserted, no undo entry.
    virtual void appendEditText(Control edit, const Text& text) = 0;
    // Bytes of the text before the caret, or before the start of the selection.
    virtual int caretOffset(Control edit) = 0;
    virtual TextAroundCaret editTextAroundCaret(Control edit) = 0;

    virtual bool isChecked(Control check) = 0;

    // One OK button; returns when dismissed.
    virtual void showMessage(const Text& text, const Text& title, MessageIcon icon,
                             MessageOwner owner) = 0;

    // Shows SaveDialog with the proposed file name; the chosen path (the platform's own
    // form, opaque to commands), or nothing when the user cancelled.
    virtual std::optional<std::string> askSaveFileName(const Text& proposedName) = 0;
    // Writes the text atomically, in the same encoding as the clipboard. Returns the
    // reason of a failure (a system text), or nothing on success.
    virtual std::optional<Text> writeFile(const std::string& path, const Text& text) = 0;
    virtual void setClipboardText(const Text& text) = 0;

    // Milliseconds of a monotonic clock; only its changes matter.
    virtual std::uint32_t tickCount() = 0;

    // Builds SeparatorWindow afresh and returns once it has closed.
    virtual void openSeparatorWindowModally() = 0;
    // Closes SeparatorWindow once the running handler has returned.
    virtual void closeSeparatorWindow() = 0;

    // PreviewCanvas, in pixels of its client area.
    virtual void clearCanvas() = 0;
    virtual void setCanvasFillColour(Colour colour) = 0;
    // Corners in any order; pixels x1..x2-1, y1..y2-1; zero width or height widened to one.
    virtual void fillCanvasRect(int x1, int y1, int x2, int y2) = 0;
    virtual void setCanvasFont(const Text& face, int points) = 0;
    virtual void setCanvasTextColour(Colour colour) = 0;
    // Top-left of the text's cell at (x, y), transparent background.
    virtual void writeCanvasText(int x, int y, const Text& text) = 0;
};

}  // namespace kt
