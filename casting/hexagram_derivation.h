// The five hexagrams of a reading, derived from the record's upper and lower
// trigram and moving line. Each step fills one set of line values and one
// name; they run in this order, the primary first.
#pragma once

#include "casting_record.h"

namespace casting {

void DerivePrimary(CastingRecord& record);   // 本卦
void DeriveNuclear(CastingRecord& record);   // 互卦: lines 2-4 under lines 3-5
void DeriveChanged(CastingRecord& record);   // 变卦: the moving line flipped
void DeriveOpposite(CastingRecord& record);  // 错卦: every line flipped
void DeriveReversed(CastingRecord& record);  // 综卦: turned upside down

// All five, in order.
void DeriveHexagrams(CastingRecord& record);

}  // namespace casting
