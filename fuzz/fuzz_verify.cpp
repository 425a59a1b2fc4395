// The verify command on arbitrary lists: it either refuses and leaves the list as it was, or
// gives lines of a body and its check digit that verify to themselves.
#include "commands/verify.h"
#include "core/check_digit.h"
#include "core/text.h"
#include "fake_toolkit.h"
#include "invariant.h"

using namespace kt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Text list(reinterpret_cast<const char*>(data), size);
    FakeToolkit ui;
    ui.texts[Control::CodeListEdit] = list;
    verifyCodeList(ui);
    const Text verified = ui.texts[Control::CodeListEdit];

    if (!ui.messages.empty()) {
        check(ui.messages.size() == 1 && verified == list);
        return 0;
    }
    check(verified.empty() || verified.ends_with("\r\n"));
    for (const Text& line : splitText(verified, "\r\n")) {
        check(line.empty() || line.size() == 13);
        if (!line.empty())
            check(line[12] - '0' == computeCheckDigit(line.substr(0, 12)));
    }
    verifyCodeList(ui);
    check(ui.messages.empty() && ui.texts[Control::CodeListEdit] == verified);
    return 0;
}
