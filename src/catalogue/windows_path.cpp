#include "windows_path.h"

#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

namespace WindowsPath {

std::wstring widen(const std::string &text)
{
    if (text.empty())
        return {};
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

std::string narrow(const std::wstring &text)
{
    if (text.empty())
        return {};
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring wide(const std::string &utf8Path)
{
    std::wstring path = widen(utf8Path);
    if (path.rfind(L"\\\\?\\", 0) == 0)
        return path;
    for (wchar_t &c : path)
        if (c == L'/')
            c = L'\\';
    // The full form resolves a relative name and "." and "..", and takes doubled separators as
    // one, which the \\?\ form would not.
    std::vector<wchar_t> full(path.size() + MAX_PATH + 1);
    DWORD length = ::GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length + 1);
        length = ::GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size())
        return path;
    std::wstring absolute(full.data(), length);
    if (absolute.rfind(L"\\\\", 0) == 0) // \\server\share\...
        return L"\\\\?\\UNC\\" + absolute.substr(2);
    if (absolute.size() >= 2 && absolute[1] == L':')
        return L"\\\\?\\" + absolute;
    return absolute;
}

} // namespace WindowsPath

#endif
