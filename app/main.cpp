#include "comparison.hpp"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <stdexcept>

namespace {

// Standard input a character at a time through stdio. Unlike std::cin's own
// buffer it tells a failed read from the end of input: it throws, and the
// reading stream turns that into badbit.
class StdinBuffer : public std::streambuf {
protected:
    int_type underflow() override
    {
        const int c = std::getc(stdin);
        if (c == EOF) {
            if (std::ferror(stdin)) {
                throw std::runtime_error("read error");
            }
            return traits_type::eof();
        }
        held_ = traits_type::to_char_type(c);
        setg(&held_, &held_, &held_ + 1);
        return traits_type::to_int_type(held_);
    }

private:
    char held_ = 0;
};

}  // namespace

int main()
{
#ifdef SIGPIPE
    // A closed pipe ends the program quietly, as it ends cat or seq, whatever
    // the parent left the signal set to.
    std::signal(SIGPIPE, SIG_DFL);
#endif
    // The Windows runtime leaves standard output unbuffered on a console, one
    // write per character. Prompts and report lines are flushed where they end.
    static char output_buffer[1 << 16];
    std::setvbuf(stdout, output_buffer, _IOFBF, sizeof output_buffer);

    StdinBuffer input;
    std::istream in(&input);
    return run_comparison(in, std::cout, std::cerr);
}
