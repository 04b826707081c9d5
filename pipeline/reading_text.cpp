#include "reading_text.h"

#include "counted_text.h"
#include "liuyao/chart_layout.h"
#include "moment_text.h"

namespace pipeline {

std::vector<std::string> ReadingText(const std::optional<reading::Reading>& reading,
                                     const std::optional<liuyao::Chart>& chart,
                                     const std::vector<std::string>& opening, reading::NameGloss gloss) {
    std::vector<std::string> lines = opening;
    if (reading) {
        const std::vector<std::string> readingLines = reading::ReadingLines(*reading, gloss);
        lines.insert(lines.end(), readingLines.begin(), readingLines.end());
    }
    if (chart) {
        const std::vector<std::string> chartLines = liuyao::ChartLines(*chart);
        lines.insert(lines.end(), chartLines.begin(), chartLines.end());
    }
    return lines;
}

std::vector<std::string> OpeningText(const Casting& casting, const CastValues& values,
                                     const std::vector<BoundaryNote>& boundaries) {
    std::vector<std::string> lines = MomentText(casting, values.moment, boundaries);
    const std::vector<std::string> strokes = StrokesText(values.countedAs);
    lines.insert(lines.end(), strokes.begin(), strokes.end());
    return lines;
}

}  // namespace pipeline
