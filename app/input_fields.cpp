#include "input_fields.h"

#include "qt_text/gbk_qt.h"

SpinEdit::SpinEdit(int minimum, int maximum, int maxTypedLength, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(1);
    if (maxTypedLength > 0) lineEdit()->setMaxLength(maxTypedLength);
}

void LimitToGbkBytes(QLineEdit* edit, int maxBytes) {
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, maxBytes](const QString& text) {
        if (static_cast<int>(GbkFromQString(text).size()) <= maxBytes) return;
        // Keep the longest run of whole characters (a surrogate pair is one)
        // from the start that fits.
        qsizetype kept = 0, bytes = 0;
        while (kept < text.size()) {
            const qsizetype width = text[kept].isHighSurrogate() && kept + 1 < text.size() ? 2 : 1;
            bytes += static_cast<qsizetype>(GbkFromQString(text.mid(kept, width)).size());
            if (bytes > maxBytes) break;
            kept += width;
        }
        const QString fitting = text.left(kept);
        const int cursor = std::min(edit->cursorPosition(), static_cast<int>(fitting.size()));
        edit->setText(fitting);
        edit->setCursorPosition(cursor);
    });
}
