#include "svg/save_file.h"

#include <cstdint>

#include "commands/verify.h"
#include "svg/svg_document.h"
#include "svg/svg_messages.h"
#include "svg/svg_state.h"

namespace kt {

namespace {

// The proposed names' generator: a linear congruential generator giving 15-bit values.
std::uint32_t RandomState = 1;
// Grows with every reseed, so two reseeds within one millisecond still differ.
std::uint32_t ReseedCounter = 0;

void reseedRandom(std::uint32_t ticks)
{
    const std::uint32_t seed = ticks + ReseedCounter;
    ReseedCounter += 100 + (seed & 0xFF);
    RandomState = seed;
}

int nextRandom()
{
    RandomState = RandomState * 1103515245u + 12345u;
    return static_cast<int>((RandomState >> 16) & 0x7FFF);
}

}  // namespace

void saveSvgFile(Toolkit& ui)
{
    verifyCodeList(ui);
    reseedRandom(ui.tickCount());
    const SvgOutcome outcome = copySvgDocument(ui);
    const Text proposedName =
        joinTexts({ProposedNameStart, integerToText(nextRandom() % 100001)});

    // An empty list, and one that stopped the copy, leave no finished document to write.
    if (outcome != SvgOutcome::Complete)
        return;
    const std::optional<std::string> path = ui.askSaveFileName(proposedName);
    if (!path || path->empty())
        return;
    if (const std::optional<Text> failure = ui.writeFile(*path, SvgDocument))
        ui.showMessage(joinTexts({CannotSaveMessage, *failure}), ErrorTitle, MessageIcon::Error,
                       MessageOwner::MainWindow);
}

}  // namespace kt
