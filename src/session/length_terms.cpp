#include "session/length_terms.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "conversion/unit_table.h"

namespace zelvo {
namespace {

struct UnitWord {
    std::string_view word;
    int box;
};

// Runs of ASCII letters, compared in lower case: the expression box's unit letters
// and the units' names.
constexpr std::array<UnitWord, 23> kLetterWords = {{
    {"m", 1},           {"mm", 1},     {"millimeter", 1}, {"millimeters", 1}, {"millimetre", 1},
    {"millimetres", 1}, {"q", 2},      {"p", 3},          {"pt", 3},          {"pts", 3},
    {"point", 3},       {"points", 3}, {"i", 4},          {"in", 4},          {"inch", 4},
    {"inches", 4},      {"e", 5},      {"px", 5},         {"pixel", 5},       {"pixels", 5},
    {"t", 6},           {"twip", 6},   {"twips", 6},
}};

// Marks and Japanese names, matched as they are written; the longest one wins.
constexpr std::array<UnitWord, 17> kMarkWords = {{
    {"ミリメートル", 1},
    {"ミリメーター", 1},
    {"ミリ", 1},
    {"粍", 1},
    {"㎜", 1},
    {"級", 2},
    {"歯", 2},
    {"ポイント", 3},
    {"\"", 4},
    {"\u201D", 4},  // ” as a Japanese input method writes "
    {"\u2033", 4},  // ″ double prime
    {"インチ", 4},
    {"吋", 4},
    {"ピクセル", 5},
    {"画素", 5},
    {"ツイップ", 6},
    {"トゥイップ", 6},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Full-width forms U+FF01 to U+FF5E as their ASCII characters, the ideographic space
// U+3000 as a blank.
std::string AsciiForms(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&text, i](std::size_t k) {
            return static_cast<unsigned char>(text[i + k]);
        };
        if (i + 2 < text.size() && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD) &&
            (byte(2) & 0xC0) == 0x80) {
            const int codePoint = 0xF000 | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
            if (codePoint >= 0xFF01 && codePoint <= 0xFF5E) {
                ascii += static_cast<char>(codePoint - 0xFEE0);
                i += 2;
                continue;
            }
        }
        if (i + 2 < text.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            ascii += ' ';
            i += 2;
            continue;
        }
        ascii += text[i];
    }
    return ascii;
}

int LetterWordBox(std::string_view run) {
    std::string lower(run);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    for (const UnitWord& unit : kLetterWords) {
        if (unit.word == lower) {
            return unit.box;
        }
    }
    return 0;
}

// The longest mark or Japanese name at the start of `rest`; null when none is.
const UnitWord* MarkWordAt(std::string_view rest) {
    const UnitWord* found = nullptr;
    for (const UnitWord& unit : kMarkWords) {
        if (rest.substr(0, unit.word.size()) == unit.word &&
            (found == nullptr || unit.word.size() > found->word.size())) {
            found = &unit;
        }
    }
    return found;
}

// The bytes of the UTF-8 character that starts at `at`.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    std::size_t length = 1;
    while (at + length < text.size() &&
           (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

template <typename Predicate>
std::size_t RunEnd(std::string_view text, std::size_t at, Predicate belongs) {
    while (at < text.size() && belongs(text[at])) {
        ++at;
    }
    return at;
}

}  // namespace

std::vector<TermToken> ReadTerm(std::string_view term) {
    const std::string text = AsciiForms(term);
    const std::string_view view(text);
    std::vector<TermToken> tokens;
    std::size_t at = 0;
    while (at < view.size()) {
        const char c = view[at];
        std::size_t end = at + 1;
        TermToken token;
        if (c == ' ' || c == '\t') {
            end = RunEnd(view, at, [](char x) { return x == ' ' || x == '\t'; });
            token.part = TermPart::Blank;
        } else if (IsDigit(c) || c == '.') {
            end = RunEnd(view, at, [](char x) { return IsDigit(x) || x == '.'; });
            token.part = TermPart::Number;
        } else if (c == '+' || c == '-' || c == '*' || c == '/') {
            token.part = TermPart::Operator;
        } else if (c == '(' || c == ')') {
            token.part = c == '(' ? TermPart::Open : TermPart::Close;
        } else if (IsLetter(c)) {
            end = RunEnd(view, at, IsLetter);
            token.box = LetterWordBox(view.substr(at, end - at));
            token.part = token.box != 0 ? TermPart::Unit : TermPart::Other;
        } else if (const UnitWord* mark = MarkWordAt(view.substr(at))) {
            end = at + mark->word.size();
            token.part = TermPart::Unit;
            token.box = mark->box;
        } else {
            end = at + CharacterLength(view, at);
        }
        token.text = std::string(view.substr(at, end - at));
        tokens.push_back(std::move(token));
        at = end;
    }
    return tokens;
}

std::string ExpressionBoxText(const std::vector<TermToken>& tokens) {
    std::string text;
    for (const TermToken& token : tokens) {
        text += token.part == TermPart::Unit ? std::string(UnitLetters.at(token.box)) : token.text;
    }
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool IsWellFormedNumber(std::string_view text) {
    const auto digits = std::count_if(text.begin(), text.end(), IsDigit);
    const auto points = std::count(text.begin(), text.end(), '.');
    return digits > 0 && points <= 1 && digits + points == static_cast<std::ptrdiff_t>(text.size());
}

int SingleUnitTyped(const std::vector<TermToken>& tokens) {
    std::vector<const TermToken*> parts;
    for (const TermToken& token : tokens) {
        if (token.part != TermPart::Blank) {
            parts.push_back(&token);
        }
    }
    if (parts.size() == 2 && parts[0]->part == TermPart::Number &&
        IsWellFormedNumber(parts[0]->text) && parts[1]->part == TermPart::Unit) {
        return parts[1]->box;
    }
    return 0;
}

}  // namespace zelvo
