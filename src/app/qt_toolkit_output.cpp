#include "app/qt_toolkit.h"

// Lands with the copy and save commands.
namespace kt {

std::optional<std::string> QtToolkit::askSaveFileName(const Text&)
{
    return std::nullopt;
}

std::optional<Text> QtToolkit::writeFile(const std::string&, const Text&)
{
    return Text("not available yet");
}

void QtToolkit::setClipboardText(const Text&) {}

}  // namespace kt
