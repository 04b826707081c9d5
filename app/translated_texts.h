// A window's fixed texts, each kept with its source text so that the window
// can give them again in another language: a text is set when it is added
// and again at each Retranslate(), translated in the context named.
#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QMenu;

class TranslatedTexts {
public:
    explicit TranslatedTexts(const char* context) : context_(context) {}

    // `set` receives `source` in the program's language.
    void Add(const char* source, std::function<void(const QString&)> set);
    // The caption of an action or a button, the title of a menu.
    void Add(const char* source, QAction* action);
    void Add(const char* source, QAbstractButton* button);
    void Add(const char* source, QMenu* menu);

    void Retranslate() const;

private:
    const char* context_;
    std::vector<std::pair<const char*, std::function<void(const QString&)>>> texts_;
};
