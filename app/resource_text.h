// Text files built into the program as Qt resources, read as UTF-8.
#pragma once

#include <QString>

// The whole file without its final line break; empty when it is missing.
QString ResourceText(const QString& path);
