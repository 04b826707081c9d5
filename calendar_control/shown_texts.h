// The texts the calendar draws and hints, in the characters its owner asks
// for. The control reads no locale: whoever knows the program's language
// gives it a conversion of GBK text to GBK text (to traditional characters,
// say). A month's paint draws some sixty texts and a conversion costs more
// than a whole paint may, so each distinct text is converted once and kept.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

class ShownTexts {
public:
    using Conversion = std::function<std::string(std::string_view gbk)>;

    // An empty conversion shows every text as it is. The texts converted
    // before are forgotten.
    void SetConversion(Conversion conversion);

    // `gbk` as shown; valid while `gbk` and this object are, until the next
    // SetConversion.
    std::string_view Kept(std::string_view gbk);
    // `gbk` as shown, converted without keeping: for a text seldom drawn
    // twice, such as a day's hint.
    std::string Once(std::string_view gbk) const;

private:
    Conversion conversion_;
    std::map<std::string, std::string, std::less<>> kept_;
};
