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
std::string ordinal(std::size_t place)
{
    const std::size_t last = place % 10;
    const bool teen = place % 100 / 10 == 1;
    const char* suffix = teen || last == 0 || last > 3 ? "th" : last == 1 ? "st" : last == 2 ? "nd" : "rd";
    return std::to_string(place) + suffix;
}

// A refused word as it is quoted: at most 20 characters (UTF-8 sequences kept whole), control characters as '?'.
std::string quoted(const std::string& word)
{
    constexpr int shown = 20;
    std::string text;
    int characters = 0;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        const bool continues = (byte & 0xC0) == 0x80;
        if (!continues && ++characters > shown) {
            return "\"" + text + "\" (its first " + std::to_string(shown) + " characters)";
        }
        text += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return "\"" + text + "\"";
}

}  // namespace

std::string read_values(const std::string& text, std::vector<int>& values)
{
    std::vector<int> read;
    std::size_t words = 0;
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
            return "the " + ordinal(words) + " value, " + quoted(word) + ", is not a whole number from " +
                   std::to_string(INT_MIN) + " to " + std::to_string(INT_MAX);
        }
        if (read.size() < MAX) {
            read.push_back(value);
        }
        at = end;
    }
    if (words == 0) {
        return "there are no values: type whole numbers, up to " + std::to_string(MAX) +
               ", between blanks, new lines or commas";
    }
    if (words > MAX) {
        return std::to_string(words) + " values: at most " + std::to_string(MAX);
    }
    values = std::move(read);
    return "";
}

std::string joined(const std::vector<int>& values)
{
    std::string text;
    for (const int value : values) {
        text += (text.empty() ? "" : ",") + std::to_string(value);
    }
    return text;
}
