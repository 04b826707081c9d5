#include "moment_text.h"

#include <cmath>
#include <cstdio>

#include "text/gbk_utf8.h"

namespace pipeline {
namespace {

// "-1小时56分40秒", "+3分12秒", "-1小时": the units that are not zero.
std::string SignedDuration(long seconds) {
    const long size = std::labs(seconds);
    std::string text = seconds < 0 ? "-" : "+";
    if (size >= 3600) text += std::to_string(size / 3600) + "小时";
    if (size % 3600 >= 60) text += std::to_string(size % 3600 / 60) + "分";
    if (size % 60 != 0 || size == 0) text += std::to_string(size % 60) + "秒";
    return text;
}

// "（喀什，东经75.99°）": where the longitude was taken.
std::string PlaceText(const moment::MomentOptions& options) {
    char degrees[32];
    std::snprintf(degrees, sizeof degrees, "%g°", std::fabs(*options.longitude));
    const std::string name = options.placeName.empty() ? "" : text::Utf8FromGbk(options.placeName) + "，";
    return "（" + name + (*options.longitude < 0 ? "西经" : "东经") + degrees + "）";
}

const char* CorrectionName(moment::CorrectionKind kind) {
    switch (kind) {
        case moment::CorrectionKind::SummerTime: return "夏令时";
        case moment::CorrectionKind::Longitude: return "经度";
        case moment::CorrectionKind::EquationOfTime: return "均时差";
    }
    return "";
}

}  // namespace

std::vector<std::string> MomentText(const Casting& c, const moment::CorrectedMoment& castFrom) {
    if (!c.momentOptions.AnyOn() && castFrom.warnings.empty()) return {};
    std::vector<std::string> lines = {"【时间】", "时钟读数：" + moment::ClockText(ClockOf(c)).substr(0, 16) + "（" +
                                                       c.momentOptions.zone + "）"};
    for (const moment::Correction& correction : castFrom.corrections) {
        const bool longitude = correction.kind == moment::CorrectionKind::Longitude;
        lines.push_back(std::string(CorrectionName(correction.kind)) + " " + SignedDuration(correction.seconds) +
                        (longitude ? PlaceText(c.momentOptions) : ""));
    }
    lines.push_back("起卦时刻：" + moment::ClockText(castFrom.castFrom));
    lines.insert(lines.end(), castFrom.warnings.begin(), castFrom.warnings.end());
    for (std::string& line : lines) line = text::GbkFromUtf8(line);
    return lines;
}

}  // namespace pipeline
