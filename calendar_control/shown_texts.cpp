#include "calendar_control/shown_texts.h"

#include <utility>

void ShownTexts::SetConversion(Conversion conversion) {
    conversion_ = std::move(conversion);
    kept_.clear();
}

std::string_view ShownTexts::Kept(std::string_view gbk) {
    if (!conversion_) return gbk;
    auto at = kept_.find(gbk);
    if (at == kept_.end()) at = kept_.emplace(std::string(gbk), conversion_(gbk)).first;
    return at->second;
}

std::string ShownTexts::Once(std::string_view gbk) const {
    return conversion_ ? conversion_(gbk) : std::string(gbk);
}
