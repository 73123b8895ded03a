#include "comparison.hpp"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
int write_some(const char* data, std::size_t size) { return _write(1, data, static_cast<unsigned>(size)); }
#else
ssize_t write_some(const char* data, std::size_t size) { return write(1, data, size); }
#endif

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

// Standard output in one large block per flush. On Windows the line ends
// become \r\n here and the descriptor is switched to binary: the C runtime's
// text mode cuts every block into 2 KB writes. Fully buffered C stdio under
// std::cout was measured instead: under wine, the listed 5000-value run made
// 62 writes to a terminal rather than 19, and took about 25% longer.
class StdoutBuffer : public std::streambuf {
public:
    StdoutBuffer()
    {
#ifdef _WIN32
        _setmode(1, _O_BINARY);
#endif
        setp(block_, block_ + sizeof block_);
    }

protected:
    int_type overflow(int_type c) override
    {
        if (sync() != 0) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            sputc(traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }

    int sync() override
    {
        const bool written = write_all(pbase(), pptr());
        setp(block_, block_ + sizeof block_);
        return written ? 0 : -1;
    }

private:
    static bool write_all(const char* first, const char* last)
    {
#ifdef _WIN32
        std::string text;
        text.reserve(static_cast<std::size_t>(last - first) * 2);
        for (; first != last; ++first) {
            if (*first == '\n') {
                text += '\r';
            }
            text += *first;
        }
        first = text.data();
        last = first + text.size();
#endif
        while (first != last) {
            // At most one block a write: the \r\n text can be twice as long.
            const auto written = write_some(first, std::min(static_cast<std::size_t>(last - first), sizeof block_));
            if (written <= 0) {
                return false;
            }
            first += written;
        }
        return true;
    }

    // Older Windows consoles fail writes much larger than this.
    char block_[1 << 15];
};

#ifdef _WIN32
// True when the program is the only one on its console and both standard
// input and output are that console: started from Explorer, a shortcut or
// Win+R, its window closes the moment it exits. A launcher that pipes the
// answers in is alone too, but its streams are not the console.
bool alone_on_console()
{
    DWORD processes[2];
    DWORD mode = 0;
    return GetConsoleProcessList(processes, 2) == 1 && GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) &&
           GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
}

// Says so on the console and waits for Enter there. Standard input may still
// hold the end of a line of answers, which must not end the wait.
void wait_for_enter()
{
    const HANDLE console_out =
        CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    const HANDLE console_in =
        CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const char notice[] = "Press Enter to close this window.\r\n";
    DWORD done = 0;
    WriteConsoleA(console_out, notice, sizeof notice - 1, &done, nullptr);
    char typed[256];
    while (ReadConsoleA(console_in, typed, sizeof typed, &done, nullptr) && done > 0 &&
           std::string(typed, done).find('\n') == std::string::npos) {
    }
    CloseHandle(console_in);
    CloseHandle(console_out);
}
#endif

}  // namespace

int main()
{
    StdinBuffer input;
    StdoutBuffer output;
    std::istream in(&input);
    std::ostream out(&output);
    // No tie between the streams is needed: run_comparison flushes out before
    // anything it writes to err.
    const int status = run_comparison(in, out, std::cerr);
#ifdef _WIN32
    if (alone_on_console()) {
        wait_for_enter();
    }
#endif
    return status;
}
