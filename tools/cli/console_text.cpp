#include "console_text.h"

#ifdef _WIN32

#include <windows.h>

#include <algorithm>
#include <iostream>
#include <streambuf>
#include <string>

namespace {

// Length of the longest start of text that ends on a whole UTF-8 character.
std::size_t wholeCharacters(const std::string &text)
{
    std::size_t end = text.size();
    std::size_t back = 0;
    while (back < 4 && back < end && (static_cast<unsigned char>(text[end - 1 - back]) & 0xC0) == 0x80)
        ++back;
    if (back == end)
        return end; // only continuation bytes: not UTF-8, handed on as they are
    const auto lead = static_cast<unsigned char>(text[end - 1 - back]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return length > back + 1 ? end - 1 - back : end;
}

// A stream buffer that writes UTF-8 text to a console as UTF-16, a line (or a flush) at a time.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : m_console(console) {}

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return sync() == 0 ? traits_type::not_eof(c) : traits_type::eof();
        m_pending += traits_type::to_char_type(c);
        return c == '\n' && sync() != 0 ? traits_type::eof() : c;
    }

    std::streamsize xsputn(const char *text, std::streamsize count) override
    {
        m_pending.append(text, std::size_t(count));
        if (m_pending.find('\n') != std::string::npos && sync() != 0)
            return 0;
        return count;
    }

    int sync() override
    {
        const std::size_t whole = wholeCharacters(m_pending);
        if (whole == 0)
            return 0;
        const int length = MultiByteToWideChar(CP_UTF8, 0, m_pending.data(), int(whole), nullptr, 0);
        std::wstring wide(std::size_t(length), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, m_pending.data(), int(whole), wide.data(), length);
        m_pending.erase(0, whole);
        for (std::size_t done = 0; done < wide.size();) {
            DWORD written = 0;
            const auto chunk = DWORD(std::min<std::size_t>(wide.size() - done, 8192));
            if (!WriteConsoleW(m_console, wide.data() + done, chunk, &written, nullptr) || written == 0)
                return -1;
            done += written;
        }
        return 0;
    }

private:
    HANDLE m_console;
    std::string m_pending;
};

void routeToConsole(std::ostream &stream, DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
        return;
    stream.flush();
    // Never freed: the streams are flushed at exit, after every object of the program is gone.
    stream.rdbuf(new ConsoleBuffer(handle));
}

} // namespace

namespace ConsoleText {

void useUtf8()
{
    routeToConsole(std::cout, STD_OUTPUT_HANDLE);
    routeToConsole(std::cerr, STD_ERROR_HANDLE);
}

} // namespace ConsoleText

#else

namespace ConsoleText {

void useUtf8() {}

} // namespace ConsoleText

#endif
