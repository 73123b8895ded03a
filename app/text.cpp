#include "text.hpp"

#include <cctype>
#include <charconv>

TextOut& TextOut::operator<<(int number)
{
    char digits[12];  // "-2147483648"
    return write(digits, std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
}

int TextIn::peek()
{
    if (next_ == text_.size()) {
        return -1;
    }
    if (echo_ && next_ == echoed_) {
        const std::size_t newline = text_.find('\n', next_);
        echoed_ = newline == std::string::npos ? text_.size() : newline + 1;
        echo_->write(text_.data() + next_, static_cast<std::ptrdiff_t>(echoed_ - next_));
    }
    return static_cast<unsigned char>(text_[next_]);
}

TextIn& TextIn::skip_blanks()
{
    while (std::isspace(peek())) {
        get();
    }
    return *this;
}

void TextIn::skip_line()
{
    for (int c = get(); c >= 0 && c != '\n'; c = get()) {
    }
}

TextIn& TextIn::operator>>(char& c)
{
    const int next = skip_blanks().get();
    if (next < 0) {
        failed_ = true;
    } else {
        c = static_cast<char>(next);
    }
    return *this;
}
