#pragma once
// A small well-formedness check for the documents we write: nested elements with quoted
// attributes, character data free of "<" and stray "&", and only characters XML allows.

#include <string>
#include <string_view>
#include <vector>

inline bool isWellFormedXml(std::string_view text)
{
    auto isNameChar = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
               || c == '-' || c == '_' || c == ':' || c == '.';
    };
    auto charactersAllowed = [](std::string_view s) {
        for (const unsigned char c : s) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return false;
        }
        return true;
    };
    auto referencesValid = [](std::string_view s) {
        for (std::size_t at = s.find('&'); at != std::string_view::npos; at = s.find('&', at + 1)) {
            const std::string_view rest = s.substr(at);
            if (!rest.starts_with("&lt;") && !rest.starts_with("&gt;") && !rest.starts_with("&amp;")
                && !rest.starts_with("&quot;") && !rest.starts_with("&apos;"))
                return false;
        }
        return true;
    };
    if (!charactersAllowed(text))
        return false;

    std::vector<std::string_view> open;
    std::size_t i = 0;
    bool sawRoot = false;
    while (i < text.size()) {
        if (text[i] != '<') {
            const std::size_t next = std::min(text.find('<', i), text.size());
            const std::string_view data = text.substr(i, next - i);
            if (open.empty() || data.find('>') != std::string_view::npos || !referencesValid(data))
                return false;
            i = next;
            continue;
        }
        const std::size_t close = text.find('>', i);
        if (close == std::string_view::npos)
            return false;
        std::string_view tag = text.substr(i + 1, close - i - 1);
        i = close + 1;
        if (tag.starts_with('/')) {
            if (open.empty() || open.back() != tag.substr(1))
                return false;
            open.pop_back();
            continue;
        }
        const bool empty = tag.ends_with('/');
        if (empty)
            tag.remove_suffix(1);
        std::size_t n = 0;
        while (n < tag.size() && isNameChar(tag[n]))
            ++n;
        if (n == 0 || (open.empty() && sawRoot))
            return false;
        const std::string_view name = tag.substr(0, n);
        // Attributes: name="value" separated by white space.
        std::string_view rest = tag.substr(n);
        while (!rest.empty()) {
            const std::size_t start = rest.find_first_not_of(" \t\r\n");
            if (start == std::string_view::npos)
                break;
            if (start == 0)
                return false;
            rest.remove_prefix(start);
            const std::size_t eq = rest.find('=');
            if (eq == 0 || eq == std::string_view::npos || eq + 1 >= rest.size())
                return false;
            for (std::size_t k = 0; k < eq; ++k) {
                if (!isNameChar(rest[k]))
                    return false;
            }
            const char quote = rest[eq + 1];
            if (quote != '"' && quote != '\'')
                return false;
            const std::size_t end = rest.find(quote, eq + 2);
            if (end == std::string_view::npos)
                return false;
            const std::string_view value = rest.substr(eq + 2, end - eq - 2);
            if (value.find('<') != std::string_view::npos || !referencesValid(value))
                return false;
            rest.remove_prefix(end + 1);
        }
        sawRoot = true;
        if (!empty)
            open.push_back(name);
    }
    return sawRoot && open.empty();
}
