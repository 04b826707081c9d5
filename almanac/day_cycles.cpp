#include "day_cycles.h"

#include <iterator>

namespace almanac {
namespace {

using namespace std::chrono;

constexpr const char* kOfficers[] = {
#include "officers.inc"
};
constexpr NameAndKind kMansions[] = {
#include "mansions.inc"
};
constexpr NameAndKind kSpirits[] = {
#include "spirits.inc"
};
constexpr const char* kTaboos[] = {
#include "pengzu_taboos.inc"
};
constexpr SpiritDirections kStemDirections[] = {
#include "stem_directions.inc"
};
constexpr const char* kShaDirections[] = {
#include "sha_directions.inc"
};
constexpr NameAndKind kFoetusPlaces[] = {
#include "foetus_places.inc"
};
static_assert(std::size(kOfficers) == 12 && std::size(kMansions) == 28 && std::size(kSpirits) == 12);
static_assert(std::size(kTaboos) == 10 + 12 && std::size(kStemDirections) == 10);
static_assert(std::size(kShaDirections) == 4 && std::size(kFoetusPlaces) == 60);

// The place of `count` in a cycle of `length`, for negative counts too.
constexpr int Position(long long count, int length) {
    return static_cast<int>(((count % length) + length) % length);
}

// 2024-02-10, a Saturday, is 氐, the third mansion.
constexpr sys_days kMansionDay{year{2024} / 2 / 10};
constexpr int kMansionOfDay = 2;

}  // namespace

const char* OfficerOf(int monthBranch, int dayBranch) { return kOfficers[Position(dayBranch - monthBranch, 12)]; }

NameAndKind MansionOf(sys_days day) { return kMansions[Position((day - kMansionDay).count() + kMansionOfDay, 28)]; }

// Stem + 4 is the stem of the element the day's overcomes, of the same
// polarity (甲 wood overcomes 戊 earth); branch + 6 the opposite branch.
// The one index 4 stems and 6 branches on is 54, six days back.
int ClashIndex(int dayIndex) { return Position(dayIndex + 54, 60); }

// The 煞 faces the element of the day's branch triad (申子辰 water: 南,
// 巳酉丑 metal: 东, 寅午戌 fire: 北, 亥卯未 wood: 西); branches four
// apart make one triad.
const char* ShaDirectionOf(int dayBranch) { return kShaDirections[Position(dayBranch, 4)]; }

const char* StemTabooOf(int dayIndex) { return kTaboos[Position(dayIndex, 10)]; }
const char* BranchTabooOf(int dayIndex) { return kTaboos[10 + Position(dayIndex, 12)]; }

// 青龙 rules 申 under 子 (and 午, six months on), and each following
// branch's 青龙 stands two branches further on: 戌 under 丑, 子 under 寅, …
NameAndKind SpiritOf(int ruling, int branch) {
    const int greenDragon = 8 + 2 * Position(ruling, 6);
    return kSpirits[Position(branch - greenDragon, 12)];
}

// The 子 hours of 甲, 乙, 丙, 丁 and 戊 days are 甲子, 丙子, 戊子, 庚子 and
// 壬子, indices 0, 12, 24, 36 and 48; 己 to 癸 repeat them.
int HourIndex(int dayIndex, int hourBranch) { return Position(dayIndex, 5) * 12 + Position(hourBranch, 12); }

NameAndKind FoetusOf(int dayIndex) { return kFoetusPlaces[Position(dayIndex, 60)]; }

SpiritDirections DirectionsOf(int dayIndex) { return kStemDirections[Position(dayIndex, 10)]; }

}  // namespace almanac
