// The caret's line for arbitrary texts and carets, against a plain search: the line runs
// from the byte after the last LF before the caret to the first CR after it, both found
// only where a character starts.
#include <fuzzer/FuzzedDataProvider.h>

#include "core/text.h"
#include "invariant.h"
#include "preview/caret_line.h"

using namespace kt;

namespace {

bool isLead(char c)
{
    return static_cast<unsigned char>(c) >= 0x80;
}

Text plainCaretLine(const Text& t, std::size_t caret)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < t.size() && !(isLead(t[i]) && i + 1 == t.size());
         i += isLead(t[i]) ? 2 : 1) {
        if (t[i] == '\n' && i < caret)
            start = i + 1;
    }
    std::size_t end = t.size();
    for (std::size_t i = caret; i < t.size() && !(isLead(t[i]) && i + 1 == t.size());
         i += isLead(t[i]) ? 2 : 1) {
        if (t[i] == '\r') {
            end = i;
            break;
        }
    }
    return t.substr(start, end - start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int anyCaret = input.ConsumeIntegral<int>();
    const Text text = input.ConsumeRemainingBytesAsString();

    caretLineText(text, anyCaret);  // any offset is safe
    const std::size_t caret = static_cast<std::size_t>(anyCaret) % (text.size() + 1);
    check(caretLineText(text, static_cast<int>(caret)) == plainCaretLine(text, caret));
    return 0;
}
