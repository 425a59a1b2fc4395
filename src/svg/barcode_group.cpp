#include "svg/barcode_group.h"

#include <array>
#include <cassert>
#include <cstring>

#include "core/check_digit.h"
#include "core/module_pattern.h"
#include "core/number_text.h"

namespace kt {

namespace {

constexpr double ModuleWidth = 0.94;
constexpr double LeftEdge = 10.2;  // x of module 1
constexpr double RowPitch = 85;
constexpr double BaselineDrop = 73.6427;  // from the bar top down to the digits' baseline
constexpr std::string_view LongBarHeight = "69.45";
constexpr std::string_view ShortBarHeight = "64.77";
constexpr int PatternLength = 96;
constexpr int BodyLength = 12;

// Left edges of the thirteen digits as the layout was drawn; fixed texts, not computed.
constexpr std::array<std::string_view, 13> DigitX = {
    "-7.629395e-05", "13.096",  "19.644",  "26.192",  "32.7401", "39.2881", "45.8362",
    "57.0613",       "63.6094", "70.1574", "76.7054", "83.2535", "89.8015",
};

// The bar closed by the "0" at pattern position v belongs to the start, centre or end guard.
bool isLongBar(int v)
{
    return v < 5 || (v >= 47 && v <= 50) || v > 92;
}

// A piece of markup padded to a fixed size, so that writing it is one copy of known size;
// the bytes past its end are overwritten by the next piece. A group is some 170 pieces,
// and copies of variable size would cost most of its time.
struct Piece {
    static constexpr std::size_t Capacity = 64;
    std::array<char, Capacity> bytes{};
    std::size_t size = 0;

    Piece() = default;
    explicit Piece(std::string_view text) : size(text.size())
    {
        assert(text.size() <= Capacity);
        std::memcpy(bytes.data(), text.data(), text.size());
    }
};

// Everything of a group that does not depend on the code or the row, formed once.
struct GroupPieces {
    // '<rect class="st0" x="X" y="' for a bar starting at module k, indexed k - 1.
    std::array<Piece, PatternLength> rectHead;
    // '" width="W" height="H"/>' for a bar of n modules, indexed [n][long].
    std::array<std::array<Piece, 2>, PatternLength + 1> rectTail;
    // '<text transform="matrix(1 0 0 1 X ' for digit i, indexed i - 1.
    std::array<Piece, 13> textHead;
    // ')" class="st0 st1 st2">' after the first digit's baseline, with a space before ">"
    // after the others'.
    Piece firstDigitClasses{")\" class=\"st0 st1 st2\">"};
    Piece digitClasses{")\" class=\"st0 st1 st2\" >"};
    Piece digitEnd{" </text>"};
    // What each byte of the body becomes inside its text element.
    std::array<Piece, 256> digit;
};

// A digit's element holds one byte of the body. Markup bytes are escaped, and bytes that
// cannot stand alone in well-formed output become "?": control bytes other than the tab,
// and any byte of 0x80 or above, which here is always half of a double-byte character.
Piece digitPiece(unsigned char byte)
{
    switch (byte) {
    case '<':
        return Piece("&lt;");
    case '>':
        return Piece("&gt;");
    case '&':
        return Piece("&amp;");
    default:
        if ((byte < 0x20 && byte != '\t') || byte >= 0x80)
            return Piece("?");
        const char c = static_cast<char>(byte);
        return Piece(std::string_view(&c, 1));
    }
}

GroupPieces makeGroupPieces()
{
    GroupPieces pieces;
    for (int k = 1; k <= PatternLength; ++k) {
        const auto x = static_cast<float>((k - 1) * ModuleWidth + LeftEdge);
        pieces.rectHead[k - 1] = Piece("<rect class=\"st0\" x=\"" + singleToText(x) + "\" y=\"");
    }
    for (int n = 1; n <= PatternLength; ++n) {
        const Text width = "\" width=\"" + doubleToText(n * ModuleWidth) + "\" height=\"";
        pieces.rectTail[n][0] = Piece(width + Text(ShortBarHeight) + "\"/>");
        pieces.rectTail[n][1] = Piece(width + Text(LongBarHeight) + "\"/>");
    }
    for (std::size_t i = 0; i < DigitX.size(); ++i)
        pieces.textHead[i] = Piece("<text transform=\"matrix(1 0 0 1 " + Text(DigitX[i]) + ' ');
    for (int byte = 0; byte < 256; ++byte)
        pieces.digit[byte] = digitPiece(static_cast<unsigned char>(byte));
    return pieces;
}

const GroupPieces& groupPieces()
{
    static const GroupPieces pieces = makeGroupPieces();
    return pieces;
}

// Collects a group in a buffer large enough for any group, then appends it in one piece.
class GroupWriter {
public:
    // Two tags, at most one bar in two modules of three pieces each, thirteen digits of five.
    static constexpr std::size_t MaxPieces = 2 + PatternLength / 2 * 3 + 13 * 5;

    void put(const Piece& piece)
    {
        std::memcpy(buffer_.data() + size_, piece.bytes.data(), Piece::Capacity);
        size_ += piece.size;
    }
    void appendTo(Text& out) const { out.append(buffer_.data(), size_); }

private:
    // Left uninitialised: only what was written is read. The last piece's padding needs room.
    std::array<char, (MaxPieces + 1) * Piece::Capacity> buffer_;
    std::size_t size_ = 0;
};

// The bars of a module pattern: a bar is a run of "1" modules, closed by the next module of
// any other kind; a bar still open at the end is not a bar. Found without a branch per
// module, as the modules of a code are as good as random.
struct Bars {
    std::array<int, PatternLength / 2 + 1> first;  // 1-based module where each bar starts
    std::array<int, PatternLength / 2 + 1> closer;  // module of the "0" that ends it
    int count = 0;

    explicit Bars(std::string_view pattern)
    {
        pattern = pattern.substr(0, PatternLength);
        int starts = 0;
        bool dark = false;
        for (int k = 1; k <= static_cast<int>(pattern.size()); ++k) {
            const bool nowDark = pattern[k - 1] == '1';
            first[starts] = k;
            closer[count] = k;
            starts += nowDark && !dark;
            count += dark && !nowDark;
            dark = nowDark;
        }
    }
};

}  // namespace

void appendBarcodeGroup(Text& out, std::string_view body, int shift, std::optional<int> row)
{
    const GroupPieces& pieces = groupPieces();
    body = body.substr(0, BodyLength);
    const int checkDigit = computeCheckDigit(body);
    const Text pattern = buildModulePattern(body, checkDigit);

    const double top =
        static_cast<double>(shift) + (static_cast<double>(row.value_or(0)) - 1) * RowPitch;
    const Piece topText(doubleToText(top));
    const Piece baselineText(doubleToText(top + BaselineDrop));
    static const Piece groupStart("<g>");
    static const Piece groupEnd("</g>");

    GroupWriter group;
    group.put(groupStart);
    const Bars bars(pattern);
    for (int i = 0; i < bars.count; ++i) {
        group.put(pieces.rectHead[bars.first[i] - 1]);
        group.put(topText);
        group.put(pieces.rectTail[bars.closer[i] - bars.first[i]][isLongBar(bars.closer[i])]);
    }

    for (int i = 0; i < 13; ++i) {
        group.put(pieces.textHead[i]);
        group.put(baselineText);
        group.put(i == 0 ? pieces.firstDigitClasses : pieces.digitClasses);
        if (i == 12)
            group.put(pieces.digit['0' + checkDigit]);
        else if (i < static_cast<int>(body.size()))
            group.put(pieces.digit[static_cast<unsigned char>(body[i])]);
        group.put(pieces.digitEnd);
    }
    group.put(groupEnd);
    group.appendTo(out);
}

Text buildBarcodeGroup(std::string_view body, int shift, std::optional<int> row)
{
    Text group;
    appendBarcodeGroup(group, body, shift, row);
    return group;
}

}  // namespace kt
