#include "moment_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "convention_names.h"
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

std::string BoundaryName(const BoundaryNote& note) {
    switch (note.kind) {
        case BoundaryKind::DoubleHour: return "时辰交接";
        case BoundaryKind::ZiStart: return "子初（23:00）";
        case BoundaryKind::Midnight: return "子正（0:00）";
        case BoundaryKind::Term: return "交节（" + text::Utf8FromGbk(note.termName) + "）";
        case BoundaryKind::Spring: return "立春交节";
        case BoundaryKind::NewMoon: return "合朔";
        case BoundaryKind::SpringDay: return "立春日";
    }
    return "";
}

std::string PillarsText(const casting::MomentFacts& f) {
    return text::Utf8FromGbk(f.YearPillarText) + "年 " + text::Utf8FromGbk(f.MonthPillarText) + "月 " +
           text::Utf8FromGbk(f.DayPillarText) + "日 " + text::Utf8FromGbk(f.HourPillarText) + "时";
}

// Two lines: the boundary, its moment and the distance; then the other
// side, or on 立春's day what the other pillar rule gives.
void AddNote(std::vector<std::string>& lines, const BoundaryNote& note) {
    const std::string distance = (note.minutes >= 0 ? "后" : "前") + std::to_string(std::labs(note.minutes)) + "分";
    lines.push_back("临界：" + BoundaryName(note) + " " + moment::ClockText(note.moment).substr(0, 16) + "，在起卦时刻" +
                    distance);
    const std::string side =
        note.pillarBoundary ? "　" + std::string(NamesOf<calendar::PillarBoundary>().name) +
                                  ValueName(*note.pillarBoundary) + "："
                            : std::string("　另一侧：");
    lines.push_back(side + PillarsText(note.other.facts) + "，本卦" + text::Utf8FromGbk(note.other.primary) + "，变卦" +
                    text::Utf8FromGbk(note.other.changed));
}

}  // namespace

std::vector<std::string> MomentText(const Casting& c, const moment::CorrectedMoment& castFrom,
                                    const std::vector<BoundaryNote>& boundaries) {
    const bool clockSaid = c.momentOptions.AnyOn() || !castFrom.warnings.empty();
    if (!clockSaid && c.conventions.IsDefault() && boundaries.empty()) return {};
    std::vector<std::string> lines = {"【时间】"};
    if (!c.conventions.IsDefault()) lines.push_back(ConventionsLine(c.conventions));
    for (const BoundaryNote& note : boundaries) AddNote(lines, note);
    if (!clockSaid) {
        lines.insert(lines.begin() + 1, "起卦时刻：" + moment::ClockText(castFrom.castFrom).substr(0, 16));
        for (std::string& line : lines) line = text::GbkFromUtf8(line);
        return lines;
    }
    const std::size_t clockAt = lines.size();
    lines.push_back("时钟读数：" + moment::ClockText(ClockOf(c)).substr(0, 16) + "（" + c.momentOptions.zone + "）");
    for (const moment::Correction& correction : castFrom.corrections) {
        const bool longitude = correction.kind == moment::CorrectionKind::Longitude;
        lines.push_back(std::string(CorrectionName(correction.kind)) + " " + SignedDuration(correction.seconds) +
                        (longitude ? PlaceText(c.momentOptions) : ""));
    }
    lines.push_back("起卦时刻：" + moment::ClockText(castFrom.castFrom));
    lines.insert(lines.end(), castFrom.warnings.begin(), castFrom.warnings.end());
    // The clock comes first, as it did before conventions were said.
    std::rotate(lines.begin() + 1, lines.begin() + static_cast<std::ptrdiff_t>(clockAt), lines.end());
    for (std::string& line : lines) line = text::GbkFromUtf8(line);
    return lines;
}

}  // namespace pipeline
