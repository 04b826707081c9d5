#include "gbk_utf8.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <optional>

namespace text {
namespace {

// An undecodable GBK unit: a lead byte with a valid trail byte counts as one
// unassigned pair; any other byte stands alone, so an ASCII byte after a
// stray lead byte survives.
std::size_t gbkUnitLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (lead >= 0x81 && lead <= 0xFE && rest.size() >= 2) {
        const auto trail = static_cast<unsigned char>(rest[1]);
        if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) return 2;
    }
    return 1;
}

// The length of the well-formed UTF-8 sequence that starts `rest`, or 1 for
// a byte that begins none (so it is skipped alone).
std::size_t utf8UnitLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t n = 1;
    if (lead >= 0xF0 && lead <= 0xF4) n = 4;
    else if (lead >= 0xE0) n = lead <= 0xEF ? 3 : 1;
    else if (lead >= 0xC2) n = 2;
    if (n > rest.size()) return 1;
    for (std::size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

// One conversion direction of glibc iconv, opened once per thread and reset
// before each use so no shift state leaks from one text to the next.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts `in`, appending to `out`. At a unit that cannot be converted
    // `onUnheld` gets the rest of the input and returns how many bytes to
    // skip, or nothing to stop there.
    template <typename OnUnheld>
    void run(std::string_view in, std::string& out, OnUnheld onUnheld) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            const int error = rc == static_cast<std::size_t>(-1) ? errno : 0;
            out.append(buffer, sizeof buffer - dstLeft);
            if (error == E2BIG || error == 0) continue;
            // EILSEQ or EINVAL (a sequence cut off at the end).
            const std::optional<std::size_t> skip = onUnheld(std::string_view(src, srcLeft));
            if (!skip) return;
            const std::size_t n = std::min(*skip, srcLeft);
            src += n;
            srcLeft -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
    }

private:
    iconv_t cd_;
};

Converter& toUtf8() {
    thread_local Converter converter("UTF-8", "GBK");
    return converter;
}

Converter& toGbk() {
    thread_local Converter converter("GBK", "UTF-8");
    return converter;
}

// Without the GBK table (a C library built without it) only ASCII survives.
template <typename UnitLength>
std::string asciiOnly(std::string_view in, UnitLength unitLength) {
    std::string out;
    for (std::size_t i = 0; i < in.size(); i += unitLength(in.substr(i))) {
        out.push_back(static_cast<unsigned char>(in[i]) < 0x80 ? in[i] : '?');
    }
    return out;
}

}  // namespace

std::string Utf8FromGbk(std::string_view gbk) {
    Converter& converter = toUtf8();
    if (!converter.ok()) return asciiOnly(gbk, gbkUnitLength);
    std::string utf8;
    utf8.reserve(gbk.size() * 3 / 2 + 1);
    converter.run(gbk, utf8, [&](std::string_view rest) -> std::optional<std::size_t> {
        utf8.push_back('?');
        return gbkUnitLength(rest);
    });
    return utf8;
}

std::string GbkFromUtf8(std::string_view utf8) {
    Converter& converter = toGbk();
    if (!converter.ok()) return asciiOnly(utf8, utf8UnitLength);
    std::string gbk;
    gbk.reserve(utf8.size());
    converter.run(utf8, gbk, [&](std::string_view rest) -> std::optional<std::size_t> {
        gbk.push_back('?');
        return utf8UnitLength(rest);
    });
    return gbk;
}

StrictGbk GbkFromUtf8Strict(std::string_view utf8) {
    StrictGbk result;
    Converter& converter = toGbk();
    if (!converter.ok()) {
        result.gbk = asciiOnly(utf8, utf8UnitLength);
        const auto first = std::find_if(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        if (first != utf8.end()) {
            const std::string_view rest = utf8.substr(static_cast<std::size_t>(first - utf8.begin()));
            result.unheld = std::string(rest.substr(0, utf8UnitLength(rest)));
        }
        return result;
    }
    result.gbk.reserve(utf8.size());
    converter.run(utf8, result.gbk, [&](std::string_view rest) -> std::optional<std::size_t> {
        result.unheld = std::string(rest.substr(0, utf8UnitLength(rest)));
        return std::nullopt;
    });
    if (!result.ok()) result.gbk.clear();
    return result;
}

}  // namespace text
