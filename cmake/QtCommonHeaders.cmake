# Qt's headers are most of what compiling a window's source costs: the
# targets with many such sources parse the common ones once, into a
# precompiled header, instead of once a source. The painting floor sees
# only Qt's painting headers; the windows see the widgets' too.
set(YAOPAN_QT_GUI_HEADERS
  <QColor> <QCoreApplication> <QFont> <QFontMetrics> <QImage> <QPainter> <QSize> <QString>
  <memory> <optional> <string> <vector>)
set(YAOPAN_QT_WIDGETS_HEADERS ${YAOPAN_QT_GUI_HEADERS}
  <QApplication> <QDateTime> <QDialog> <QEvent> <QHBoxLayout> <QHeaderView> <QKeyEvent> <QLabel>
  <QLineEdit> <QLocale> <QMenu> <QPlainTextEdit> <QPushButton> <QStringList> <QTableWidget>
  <QVBoxLayout> <QWidget>)

# precompile_qt_headers(<target> GUI|WIDGETS)
function(precompile_qt_headers target level)
  target_precompile_headers(${target} PRIVATE ${YAOPAN_QT_${level}_HEADERS})
endfunction()
