// The test texts' GBK conversion through the Windows code page 936, which
// is GBK.
#include <windows.h>

#include <stdexcept>

#include "gbk.h"

namespace testing_support {
namespace {

constexpr UINT kGbk = 936;

std::string convert(std::string_view text, UINT from, UINT to) {
    if (text.empty()) return {};
    const int wideLength = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(),
                                               static_cast<int>(text.size()), nullptr, 0);
    if (wideLength == 0) throw std::runtime_error("cannot decode text");
    std::wstring wide(wideLength, L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideLength);
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr,
                                           to == CP_UTF8 ? nullptr : &lost);
    std::string out(length, '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
    if (lost) throw std::runtime_error("text not encodable as GBK");
    return out;
}

}  // namespace

std::string gbk(std::string_view utf8) { return convert(utf8, CP_UTF8, kGbk); }

std::string utf8(std::string_view gbk) { return convert(gbk, kGbk, CP_UTF8); }

}  // namespace testing_support
