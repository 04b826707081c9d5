// The report leaving the window: saved as UTF-8 text or as a picture of
// the report view, or printed.
#pragma once

#include "shell_services.h"

class QPlainTextEdit;
class QWidget;

// Asks where to save and, by the filter chosen, writes the report's text
// or a PNG picture of `view` there. A file that cannot be written is told.
void ExportReport(QPlainTextEdit& view, const ShellServices& services, QWidget* owner);

// Prints the report's text on a printer the user picks.
void PrintReport(QPlainTextEdit& view, QWidget* owner);
