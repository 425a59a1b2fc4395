#include "svg/svg_document.h"

#include <algorithm>
#include <vector>

#include "commands/messages.h"
#include "svg/barcode_group.h"
#include "svg/large_pages.h"
#include "svg/svg_messages.h"
#include "svg/svg_state.h"

namespace kt {

namespace {

constexpr int BodyLength = 12;
// Room reserved for one group: the longest rows and escaped bytes stay below it.
constexpr std::size_t GroupReserve = 3300;

}  // namespace

SvgBuild buildSvgText(std::string_view listText, bool stacked, int maxCodes)
{
    SvgBuild build;
    build.document = SvgHead;
    const std::vector<Text> lines = splitText(removeSpaces(listText), "\r\n");
    if (lines.empty()) {
        build.outcome = SvgOutcome::EmptyList;
        return build;
    }
    const auto codes = std::count_if(lines.begin(), lines.end(),
                                     [](const Text& line) { return !line.empty(); });
    if (codes > maxCodes) {
        build.outcome = SvgOutcome::TooManyCodes;
        return build;
    }

    build.document.reserve(SvgHead.size() + static_cast<std::size_t>(codes) * GroupReserve
                           + SvgTail.size());
    preferLargePages(build.document.data(), build.document.capacity());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Text& line = lines[i];
        if (line.empty())
            continue;  // its row stays empty
        const int lineNumber = static_cast<int>(i + 1);
        if (textLength(line) < BodyLength) {
            build.outcome = SvgOutcome::ShortLine;
            build.shortLine = lineNumber;
            return build;
        }
        const std::string_view body = std::string_view(line).substr(0, BodyLength);
        if (stacked)
            appendBarcodeGroup(build.document, body);
        else
            appendBarcodeGroup(build.document, body, 0, lineNumber);
    }
    build.document += SvgTail;
    return build;
}

SvgOutcome copySvgDocument(Toolkit& ui)
{
    EmptyListFlag = false;
    releaseSvgDocument();  // the old document need not outlive the start of the new one
    SvgBuild build = buildSvgText(ui.editText(Control::CodeListEdit),
                                  ui.isChecked(Control::StackedOutputCheck));
    SvgDocument = std::move(build.document);

    switch (build.outcome) {
    case SvgOutcome::Complete:
        ui.setClipboardText(SvgDocument);
        break;
    case SvgOutcome::EmptyList:
        EmptyListFlag = true;
        break;
    case SvgOutcome::ShortLine:
        ui.showMessage(ShortLineMessage, ConfirmTitle, MessageIcon::None, MessageOwner::None);
        break;
    case SvgOutcome::TooManyCodes:
        ui.showMessage(joinTexts({TooManyCodesStart, integerToText(MaxDocumentCodes),
                                  TooManyCodesEnd}),
                       ErrorTitle, MessageIcon::Error, MessageOwner::MainWindow);
        break;
    }
    return build.outcome;
}

void buildSvgDocument(Toolkit& ui)
{
    copySvgDocument(ui);
}

}  // namespace kt
