#include "gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace testing_support {
namespace {

std::string convert(std::string_view text, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("cannot convert text (errno " + std::to_string(errno) + ")");
    }
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

std::string gbk(std::string_view utf8) { return convert(utf8, "GBK", "UTF-8"); }

std::string utf8(std::string_view gbk) { return convert(gbk, "UTF-8", "GBK"); }

}  // namespace testing_support
