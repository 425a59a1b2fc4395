// The SVG document of arbitrary lists: every complete document is well-formed XML, and every
// code line gives one group of 30 rectangles and 13 text elements.
#include <fuzzer/FuzzedDataProvider.h>

#include <string_view>

#include "core/text.h"
#include "invariant.h"
#include "svg/svg_document.h"
#include "xml_check.h"

using namespace kt;

namespace {

std::size_t count(std::string_view text, std::string_view what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos;
         at = text.find(what, at + what.size()))
        ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool stacked = input.ConsumeBool();
    const Text list = input.ConsumeRemainingBytesAsString();

    const SvgBuild build = buildSvgText(list, stacked);
    check(build.document.starts_with(SvgHead));
    const std::size_t groups = count(build.document, "<g>");
    check(count(build.document, "<rect ") == 30 * groups);
    check(count(build.document, "<text ") == 13 * groups);
    if (build.outcome != SvgOutcome::Complete) {
        check(!build.document.ends_with(SvgTail));
        return 0;
    }
    check(build.document.ends_with(SvgTail));
    check(isWellFormedXml(build.document));

    std::size_t codeLines = 0;
    for (const Text& line : splitText(removeSpaces(list), "\r\n"))
        codeLines += line.empty() ? 0 : 1;
    check(groups == codeLines);
    return 0;
}
