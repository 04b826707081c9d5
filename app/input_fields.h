// The person-and-moment fields' behaviour beyond Qt's own: spin fields
// whose typed text has a length limit, and line edits whose limit counts
// GBK bytes, the way the casting engine counts text.
#pragma once

#include <QLineEdit>
#include <QSpinBox>

class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    // `maxTypedLength` 0 leaves the typed text unlimited.
    SpinEdit(int minimum, int maximum, int maxTypedLength, QWidget* parent = nullptr);
};

// Keeps `edit`'s text within `maxBytes` bytes of GBK: an edit that would go
// beyond is cut back at the last whole character that fits.
void LimitToGbkBytes(QLineEdit* edit, int maxBytes);
