// 帮助 › 语言: the languages the windows speak, each named in its own
// language so that whoever cannot read the current one finds theirs.
// Choosing one applies it at once and remembers it for the next start.
#pragma once

class QMenu;

// Adds the submenu, untitled (its title is the window's to translate), the
// current language checked.
QMenu* AddLanguageMenu(QMenu* helpMenu);
