#include "translated_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

void TranslatedTexts::Add(const char* source, std::function<void(const QString&)> set) {
    set(QCoreApplication::translate(context_, source));
    texts_.emplace_back(source, std::move(set));
}

void TranslatedTexts::Add(const char* source, QAction* action) {
    Add(source, [action](const QString& text) { action->setText(text); });
}

void TranslatedTexts::Add(const char* source, QAbstractButton* button) {
    Add(source, [button](const QString& text) { button->setText(text); });
}

void TranslatedTexts::Add(const char* source, QMenu* menu) {
    Add(source, [menu](const QString& text) { menu->setTitle(text); });
}

void TranslatedTexts::Retranslate() const {
    for (const auto& [source, set] : texts_) set(QCoreApplication::translate(context_, source));
}
