// A dialogue's streams held in memory: the answers as text, read as standard
// input reads them, and the output as one string. They offer only what
// run_comparison uses of std::istream and std::ostream, and behave as those do
// on a string that cannot fail, so that a page runs the dialogue without the
// standard streams' locale code, which would be most of its program.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

class TextOut {
public:
    TextOut& operator<<(const char* text)
    {
        text_ += text;
        return *this;
    }
    TextOut& operator<<(char c)
    {
        text_ += c;
        return *this;
    }
    // In plain decimal, as the standard stream writes an int by default.
    TextOut& operator<<(int number);
    TextOut& write(const char* data, std::ptrdiff_t size)
    {
        text_.append(data, static_cast<std::size_t>(size));
        return *this;
    }
    TextOut& flush() { return *this; }
    explicit operator bool() const { return true; }

    const std::string& str() const { return text_; }

private:
    std::string text_;
};

// The answers, ended for good where the text ends. With an echo, each line
// (its newline included) is written there the first time any of its
// characters is looked at, as a terminal shows typed input after the prompt
// that asked for it.
class TextIn {
public:
    explicit TextIn(std::string text, TextOut* echo = nullptr) : text_(std::move(text)), echo_(echo) {}

    // The next character as an unsigned char's value, or -1 (EOF) at the end.
    int peek();
    int get()
    {
        const int c = peek();
        next_ += c >= 0;
        return c;
    }
    // Skips the blanks before a word, as >> std::ws does, and what is left of
    // the line, its newline included, as ignore() up to '\n' does.
    TextIn& skip_blanks();
    void skip_line();
    // One character after any blanks, as >> char does; at the end, c is left
    // alone and the stream is failed.
    TextIn& operator>>(char& c);
    bool bad() const { return false; }
    explicit operator bool() const { return !failed_; }

private:
    std::string text_;
    TextOut* echo_;
    std::size_t next_ = 0;
    std::size_t echoed_ = 0;  // the end of what the echo has shown
    bool failed_ = false;
};
