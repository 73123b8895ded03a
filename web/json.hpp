// JSON written a piece at a time: few calls, and little code for the page to carry.
#pragma once

#include <charconv>
#include <cstddef>
#include <string>
#include <utility>

class Json {
public:
    Json& operator<<(const char* text)
    {
        text_ += text;
        return *this;
    }
    Json& operator<<(const std::string& text)
    {
        text_ += text;
        return *this;
    }
    Json& operator<<(std::size_t number) { return put(number); }
    Json& operator<<(long long number) { return put(number); }
    Json& operator<<(int number) { return put(number); }
    Json& operator<<(bool yes) { return *this << (yes ? "true" : "false"); }
    // text as a JSON string, whatever it holds.
    Json& quoted(const std::string& text)
    {
        text_ += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                const char* const hex = "0123456789abcdef";
                text_ += "\\u00";
                text_ += hex[(c >> 4) & 0xf];
                text_ += hex[c & 0xf];
            } else {
                text_ += c;
            }
        }
        text_ += '"';
        return *this;
    }
    // "name":offset for each field, from base, as members of an object.
    template <class T, class M, std::size_t N>
    Json& members(const std::pair<const char*, M T::*> (&fields)[N], std::size_t base = 0)
    {
        const char* comma = "";
        for (const auto& [name, member] : fields) {
            *this << comma << "\"" << name << "\":" << base + offset(member);
            comma = ",";
        }
        return *this;
    }
    const std::string& text() const { return text_; }

    // Where member lies in a T, in bytes.
    template <class T, class M>
    static std::size_t offset(M T::*member)
    {
        const T sample{};
        return static_cast<std::size_t>(reinterpret_cast<const char*>(&(sample.*member)) -
                                        reinterpret_cast<const char*>(&sample));
    }

private:
    template <class Number>
    Json& put(Number number)
    {
        char digits[32];
        text_.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
        return *this;
    }
    std::string text_;
};
