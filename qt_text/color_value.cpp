#include "color_value.h"

#include <array>
#include <optional>

namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour number → palette entry. Captions take the highlight, since
// the selection colour is what a Qt desktop shows where a caption bar would
// be; inactive ones take the inactive or disabled group.
constexpr std::array<std::optional<PaletteEntry>, 31> kSystemColors{{
    PaletteEntry{QPalette::Active, QPalette::Button},             // 0 scroll bar
    PaletteEntry{QPalette::Active, QPalette::Window},             // 1 desktop
    PaletteEntry{QPalette::Active, QPalette::Highlight},          // 2 active caption
    PaletteEntry{QPalette::Inactive, QPalette::Mid},              // 3 inactive caption
    PaletteEntry{QPalette::Active, QPalette::Window},             // 4 menu
    PaletteEntry{QPalette::Active, QPalette::Base},               // 5 window background
    PaletteEntry{QPalette::Active, QPalette::Shadow},             // 6 window frame
    PaletteEntry{QPalette::Active, QPalette::WindowText},         // 7 menu text
    PaletteEntry{QPalette::Active, QPalette::Text},               // 8 window text
    PaletteEntry{QPalette::Active, QPalette::HighlightedText},    // 9 caption text
    PaletteEntry{QPalette::Active, QPalette::Button},             // 10 active border
    PaletteEntry{QPalette::Inactive, QPalette::Button},           // 11 inactive border
    PaletteEntry{QPalette::Active, QPalette::Dark},               // 12 application workspace
    PaletteEntry{QPalette::Active, QPalette::Highlight},          // 13 highlight
    PaletteEntry{QPalette::Active, QPalette::HighlightedText},    // 14 highlight text
    PaletteEntry{QPalette::Active, QPalette::Button},             // 15 button face
    PaletteEntry{QPalette::Active, QPalette::Dark},               // 16 button shadow
    PaletteEntry{QPalette::Disabled, QPalette::Text},             // 17 grey text
    PaletteEntry{QPalette::Active, QPalette::ButtonText},         // 18 button text
    PaletteEntry{QPalette::Disabled, QPalette::WindowText},       // 19 inactive caption text
    PaletteEntry{QPalette::Active, QPalette::Light},              // 20 3-D highlight
    PaletteEntry{QPalette::Active, QPalette::Shadow},             // 21 3-D dark shadow
    PaletteEntry{QPalette::Active, QPalette::Midlight},           // 22 3-D light
    PaletteEntry{QPalette::Active, QPalette::ToolTipText},        // 23 tooltip text
    PaletteEntry{QPalette::Active, QPalette::ToolTipBase},        // 24 tooltip background
    std::nullopt,                                                 // 25 unused
    PaletteEntry{QPalette::Active, QPalette::Link},               // 26 hot-tracked item
    PaletteEntry{QPalette::Active, QPalette::Highlight},          // 27 caption gradient
    PaletteEntry{QPalette::Inactive, QPalette::Mid},              // 28 inactive caption gradient
    PaletteEntry{QPalette::Active, QPalette::Highlight},          // 29 menu highlight
    PaletteEntry{QPalette::Active, QPalette::Window},             // 30 menu bar
}};

}  // namespace

QColor ColorOfRgb(TColor color) {
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

QColor ResolveColor(TColor color, const QPalette& palette) {
    if (!IsSystemColor(color)) return ColorOfRgb(color);
    const unsigned index = color & 0xFFu;
    if (index >= kSystemColors.size() || !kSystemColors[index]) return QColor(Qt::black);
    return palette.color(kSystemColors[index]->group, kSystemColors[index]->role);
}
