#include "gbk_qt.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>

namespace {

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

    // Converts `in`, appending to `out`. `skip` tells, for the bytes that
    // could not be converted, how many of them one "?" stands for.
    template <typename Skip>
    void run(std::string_view in, std::string& out, Skip skip) {
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
            // EILSEQ or EINVAL (a sequence cut off at the end): one "?" for
            // the undecodable unit, then go on after it.
            const std::size_t n = std::min(skip(std::string_view(src, srcLeft)), srcLeft);
            out.push_back('?');
            src += n;
            srcLeft -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
    }

private:
    iconv_t cd_;
};

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

// The length of the UTF-8 sequence that starts `rest` (Qt's UTF-8 is well
// formed, so the lead byte tells it).
std::size_t utf8UnitLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

QString QStringFromGbk(std::string_view gbk) {
    thread_local Converter toUtf8("UTF-8", "GBK");
    std::string utf8;
    utf8.reserve(gbk.size() * 3 / 2 + 1);
    if (toUtf8.ok()) {
        toUtf8.run(gbk, utf8, gbkUnitLength);
    } else {
        // Without the GBK table only ASCII survives.
        for (char c : gbk) utf8.push_back(static_cast<unsigned char>(c) < 0x80 ? c : '?');
    }
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string GbkFromQString(const QString& text) {
    thread_local Converter toGbk("GBK", "UTF-8");
    const QByteArray utf8 = text.toUtf8();
    std::string gbk;
    gbk.reserve(static_cast<std::size_t>(utf8.size()));
    const std::string_view in(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    if (toGbk.ok()) {
        toGbk.run(in, gbk, utf8UnitLength);
    } else {
        for (std::size_t i = 0; i < in.size(); i += utf8UnitLength(in.substr(i))) {
            gbk.push_back(static_cast<unsigned char>(in[i]) < 0x80 ? in[i] : '?');
        }
    }
    return gbk;
}
