#include "gbk_qt.h"

#include "text/gbk_utf8.h"

QString QStringFromGbk(std::string_view gbk) {
    const std::string utf8 = text::Utf8FromGbk(gbk);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string GbkFromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return text::GbkFromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}
