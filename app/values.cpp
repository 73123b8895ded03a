#include "values.hpp"

#include "comparison.hpp"
#include "sorting.hpp"

#include <climits>
#include <cstddef>
#include <cstdlib>
#include <utility>

void fill_arrays(int* first, int* second, int* third, int count)
{
    for (int i = 0; i < count; ++i) {
        first[i] = std::rand() % 100000 + 1;
        second[i] = first[i];
        third[i] = first[i];
    }
}

namespace {

bool separates(char c) { return c == ',' || c == ' ' || (c >= '\t' && c <= '\r'); }

// 1st, 2nd, 3rd, 4th, ... 11th, 12th, 13th, ... 21st, 22nd, ...
const char* ordinal_suffix(std::size_t place)
{
    const std::size_t last = place % 10;
    const bool teen = place % 100 / 10 == 1;
    return teen || last == 0 || last > 3 ? "th" : last == 1 ? "st" : last == 2 ? "nd" : "rd";
}

// A refused word as it is quoted, appended to out: at most 20 characters
// (UTF-8 sequences kept whole), control characters as '?'.
void append_quoted(std::string& out, const std::string& word)
{
    constexpr int shown = 20;  // as the words below say
    out += '"';
    int characters = 0;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80 && ++characters > shown) {
            out += "\" (its first 20 characters)";
            return;
        }
        out += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    out += '"';
}

}  // namespace

// The messages are built by appending to one string: each + of strings
// costs code, and the page carries it.
std::string read_values(const std::string& text, std::vector<int>& values)
{
    std::vector<int> read;
    std::size_t words = 0;
    std::string refusal;
    for (std::size_t at = 0; at < text.size();) {
        if (separates(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !separates(text[end])) {
            ++end;
        }
        const std::string word = text.substr(at, end - at);
        int value = 0;
        ++words;
        if (!accepts(Question::seed, word, value)) {
            refusal = "the ";
            refusal += std::to_string(words);
            refusal += ordinal_suffix(words);
            refusal += " value, ";
            append_quoted(refusal, word);
            static_assert(INT_MIN == -2147483647 - 1 && INT_MAX == 2147483647, "the words give int's range");
            refusal += ", is not a whole number from -2147483648 to 2147483647";
            return refusal;
        }
        if (read.size() < MAX) {
            read.push_back(value);
        }
        at = end;
    }
    if (words == 0) {
        refusal = "there are no values: type whole numbers, up to ";
        refusal += std::to_string(MAX);
        refusal += ", between blanks, new lines or commas";
    } else if (words > MAX) {
        refusal = std::to_string(words);
        refusal += " values: at most ";
        refusal += std::to_string(MAX);
    }
    if (!refusal.empty()) {
        return refusal;
    }
    values = std::move(read);
    return refusal;
}

std::string joined(const std::vector<int>& values)
{
    std::string text;
    for (const int value : values) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(value);
    }
    return text;
}
