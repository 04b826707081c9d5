// The two HTML pages shipped with the program stand in for the makers' web
// pages, so the links work offline. They are opened as local file URLs.
#pragma once

#include <QUrl>

// file:// URL of `fileName` in the installed page folder
// (<prefix>/share/yaopan/pages beside <prefix>/bin/yaopan), or in the
// source tree when the program runs from its build folder.
QUrl InstalledPage(const char* fileName);
