#include "nong_cal_colors.h"

namespace {

// Face names, GBK (this library's narrow literals are GBK).
constexpr const char* kSongTi = "宋体";
constexpr const char* kArialBlack = "Arial Black";
constexpr const char* kTimesNewRoman = "Times New Roman";

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kMaroon = 0x000080;
constexpr TColor kNavy = 0x800000;
constexpr TColor kGrey = 0x808080;
constexpr TColor kSilver = 0xC0C0C0;

bool validColor(int index) { return index >= 0 && index < kCalColorCount; }
bool validFont(int index) { return index >= 0 && index < kCalFontCount; }

}  // namespace

TNongCalColors::TNongCalColors(std::function<void(Change)> changed)
    : changed_(std::move(changed)),
      colors_{
          SystemColor(kColorActiveCaption),         // TitleBackColor
          SystemColor(kColorWindow),                // WeekBackColor
          SystemColor(kColorWindow),                // DayBackColor
          SystemColor(kColorInactiveCaptionText),   // TrailingTextColor
          kNavy,                                    // LunarTermColor
          kRed,                                     // SundayColor
          kMaroon,                                  // SaturdayColor
          SystemColor(kColorActiveCaption),         // HightlightBackColor
          kWhite,                                   // HightlightTextColor
          kGrey,                                    // BorderColor
          kSilver,                                  // GridColor
          kWhite,                                   // ArrowColor
      },
      fonts_{
          TCalFont{kArialBlack, kGb2312Charset, kWhite, 14, fsBold},
          TCalFont{kSongTi, kGb2312Charset, SystemColor(kColorActiveCaption), 12, 0},
          TCalFont{kArialBlack, kDefaultCharset, SystemColor(kColorWindowText), 10, fsBold},
          TCalFont{kSongTi, kGb2312Charset, SystemColor(kColorWindowText), 8, 0},
          TCalFont{kSongTi, kGb2312Charset, kRed, 8, 0},
          TCalFont{kTimesNewRoman, kDefaultCharset, kSilver, 240, fsBold | fsItalic},
      } {}

TColor TNongCalColors::Color(int index) const { return validColor(index) ? colors_[index] : 0; }

const TCalFont& TNongCalColors::Font(int index) const {
    static const TCalFont kNoFont;
    return validFont(index) ? fonts_[index] : kNoFont;
}

void TNongCalColors::SetColor(int index, TColor color) {
    if (!validColor(index)) return;
    colors_[index] = color;
    if (changed_) changed_(Change::Color);
}

void TNongCalColors::SetFont(int index, const TCalFont& font) {
    if (!validFont(index)) return;
    fonts_[index] = font;
    if (changed_) changed_(Change::Font);
}

void TNongCalColors::SetFittedSize(int index, int size) {
    if (validFont(index)) fonts_[index].size = size;
}

void TNongCalColors::Assign(const TNongCalColors& source) {
    if (&source == this) return;
    for (int index : {ciTitleBackColor, ciDayBackColor, ciTrailingTextColor, ciLunarTermColor, ciSundayColor,
                      ciSaturdayColor, ciHightlightBackColor, ciHightlightTextColor, ciBorderColor, ciGridColor}) {
        colors_[index] = source.colors_[index];
    }
    for (int index : {fiTitleTextFont, fiDayTextFont, fiBackMonthTextFont}) fonts_[index] = source.fonts_[index];
}
