// The sequence generator with arbitrary field texts: it always ends; a refusal leaves the list
// as it was; every generated line is the prefix, padding and a value; and generating with
// verify on gives exactly what generating and then verifying gives.
#include <fuzzer/FuzzedDataProvider.h>

#include "commands/sequence.h"
#include "commands/verify.h"
#include "core/text.h"
#include "fake_toolkit.h"
#include "invariant.h"

using namespace kt;

namespace {

bool isValueText(std::string_view t)
{
    if (t.starts_with('-'))
        t.remove_prefix(1);
    return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    FakeToolkit plain;
    plain.texts[Control::PrefixEdit] = input.ConsumeRandomLengthString(14);
    plain.texts[Control::StartEdit] = input.ConsumeRandomLengthString(12);
    plain.texts[Control::EndEdit] = input.ConsumeRandomLengthString(12);
    plain.texts[Control::StepEdit] = input.ConsumeRandomLengthString(12);
    plain.checks[Control::ZeroPadCheck] = input.ConsumeBool();
    const bool replaceList = input.ConsumeBool();
    const Text list = input.ConsumeRemainingBytesAsString();
    plain.texts[Control::CodeListEdit] = list;
    FakeToolkit verifying = plain;
    verifying.checks[Control::SyncVerifyCheck] = true;

    generateSequence(plain, replaceList);
    const Text generated = plain.texts[Control::CodeListEdit];
    if (!plain.messages.empty()) {
        check(plain.messages.size() == 1 && generated == list);
    } else {
        const Text prefix = plain.texts[Control::PrefixEdit];
        const std::string_view kept = replaceList ? "" : std::string_view(list);
        check(generated.starts_with(kept));
        Text block = generated.substr(kept.size());
        if (!replaceList) {
            check(block.starts_with("\r\n"));
            block.erase(0, 2);
        }
        check(block.empty() || block.ends_with("\r\n"));
        // Split by hand: a prefix may itself hold a line break.
        std::size_t lines = 0;
        for (std::size_t at = 0; at < block.size(); ++lines) {
            check(block.compare(at, prefix.size(), prefix) == 0);
            const std::size_t end = block.find("\r\n", at + prefix.size());
            std::string_view value(block.data() + at + prefix.size(), end - at - prefix.size());
            if (plain.checks[Control::ZeroPadCheck])
                check(prefix.size() + value.size() == 12);
            while (value.size() > 1 && value.starts_with('0'))
                value.remove_prefix(1);
            check(isValueText(value) && prefix.size() + value.size() <= 12);
            at = end + 2;
        }
        check(lines <= static_cast<std::size_t>(MaxSequenceLines));
    }

    generateSequence(verifying, replaceList);
    if (plain.messages.empty())
        verifyCodeList(plain);
    check(verifying.texts[Control::CodeListEdit] == plain.texts[Control::CodeListEdit]);
    check(verifying.messages == plain.messages);
    return 0;
}
