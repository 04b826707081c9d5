#pragma once

#include <cstdint>
#include <string_view>

namespace guaku {

// Sexagenary index of the first (子) double hour of a day whose stem is
// `stem`: 甲/己 → 0 (甲子), 乙/庚 → 12 (丙子), 丙/辛 → 24, 丁/壬 → 36,
// 戊/癸 → 48. Any text that is not exactly one stem gives 0.
int32_t stemOffset(std::string_view stem);

}  // namespace guaku
