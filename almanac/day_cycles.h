// The almanac's rules that turn with the days, each a cycle over the
// sexagenary counts (see calendar/sexagenary.h: index i names stem i mod 10
// and branch i mod 12) or over the run of days, with the names of its table.
// Counts may be any integer; every rule reduces them itself. GBK texts.
#pragma once

#include <chrono>
#include <string>

namespace almanac {

// A name with the kind of day it makes: 吉 or 凶, 黄道 or 黑道.
struct NameAndKind {
    const char* name;
    const char* kind;
};

// 建除十二值: the officer of a day of branch `dayBranch` in a month of branch
// `monthBranch` (both counted from 子 = 0), 建 when they are equal.
const char* OfficerOf(int monthBranch, int dayBranch);

// 二十八宿: the mansion of `day` and its luck. The 28 days run in step with
// the seven-day week, so a mansion always falls on the same weekday.
NameAndKind MansionOf(std::chrono::sys_days day);

// 冲: the sexagenary index of the pillar a day of index `dayIndex` clashes
// with, the opposite branch under the stem the day's stem overcomes.
int ClashIndex(int dayIndex);

// 煞: the direction of the 煞 of a day of branch `dayBranch`.
const char* ShaDirectionOf(int dayBranch);

// 彭祖百忌: the sayings of the day's stem and of its branch.
const char* StemTabooOf(int dayIndex);
const char* BranchTabooOf(int dayIndex);

// 值神: the spirit ruling branch `branch` (a day's, or an hour's) under
// `ruling` (the month's branch for a day, the day's branch for an hour).
NameAndKind SpiritOf(int ruling, int branch);

// The sexagenary index of hour `hourBranch` (子 = 0) of a day of index
// `dayIndex`: the 子 hour's stem follows from the day's (甲己 days begin
// with 甲子, 乙庚 with 丙子, …).
int HourIndex(int dayIndex, int hourBranch);

// 胎神: the place and direction of the foetus spirit on a day of index `dayIndex`.
NameAndKind FoetusOf(int dayIndex);

// 喜神, 福神 and 财神: their directions on a day of index `dayIndex`.
struct SpiritDirections {
    const char* joy;
    const char* fortune;
    const char* wealth;
};
SpiritDirections DirectionsOf(int dayIndex);

}  // namespace almanac
