// Rendered coverage masks remembered per font, rotation, supersampling level
// and text. Rendering is the renderer's costly step (at four times the size
// Qt draws most glyphs as paths, outside its glyph cache), and a repaint
// draws the same few dozen texts again; a remembered mask is copied instead.
#pragma once

#include <QSize>
#include <cstdint>
#include <string>
#include <vector>

struct TSmoothCachedMask {
    QSize size;
    int imageStride = 0;
    std::vector<std::uint8_t> data;  // bottom row first, as the mask keeps it
    bool operator==(const TSmoothCachedMask&) const = default;
};

// The remembered mask for `key`, or null. The pointer is valid until the
// next Remember or Clear.
const TSmoothCachedMask* FindSmoothMask(const std::string& key);
void RememberSmoothMask(std::string key, TSmoothCachedMask mask);
// Forgets every mask (for instance after fonts were installed or replaced).
void ClearSmoothMaskCache();
// Counts the times the cache forgot everything: a drawer that knows its
// masks were remembered can tell whether they still are.
std::uint64_t SmoothMaskCacheGeneration();
