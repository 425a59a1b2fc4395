#pragma once

#include <optional>
#include <string_view>

#include "app/toolkit.h"
#include "core/text.h"

namespace kt {

// The most lines one sequence may hold: the code list box takes a million lines in about
// three seconds, two million in seven and three million in fifteen.
inline constexpr int MaxSequenceLines = 1'000'000;

// Why a sequence is refused; each caller words it in its own language.
enum class SequenceRefusal {
    StartAboveEnd,  // start exceeds end by more than the tolerance
    ValueTooLong,   // the prefix and a value together are longer than a code body
    ZeroStep,       // a step of 0 would repeat the first value forever
    TooManyLines,   // more than MaxSequenceLines lines
};

// The texts of the four fields, as the user typed them.
struct SequenceFields {
    std::string_view prefix;
    std::string_view start;
    std::string_view end;
    std::string_view step;

    // An empty field asks for no lines at all, and is not refused.
    bool complete() const
    {
        return !prefix.empty() && !start.empty() && !end.empty() && !step.empty();
    }
};

struct SequenceBlock {
    Text lines;  // each line ends with CR LF
    std::optional<SequenceRefusal> refusal;  // lines stay empty when set
};

// The lines that the fields ask for, the prefix and each value, zero-padded to 12 characters
// when asked; withCheckDigit ends each line with the check digit of what stands before it.
SequenceBlock buildSequence(const SequenceFields& fields, bool zeroPad, bool withCheckDigit);

// Whether verifying the lines of such a prefix would only add each one's check digit.
bool verifiesAsBuilt(std::string_view prefix, bool zeroPad);

// Fills CodeListEdit with the prefix followed by every value from StartEdit to EndEdit in
// steps of StepEdit, zero-padded to 12 characters and verified when the check boxes say so.
// replaceList replaces the list; otherwise the lines go after a line break at its end.
void generateSequence(Toolkit& ui, bool replaceList);

}  // namespace kt
