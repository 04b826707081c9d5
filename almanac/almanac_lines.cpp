#include "almanac_lines.h"

namespace almanac {

std::vector<AlmanacLine> AlmanacLines(const DayAlmanac& a) {
    std::vector<AlmanacLine> lines{
        {"干支", a.yearPillar + "年 " + a.monthPillar + "月 " + a.dayPillar + "日"},
        {"建除", a.officer},
        {"星宿", a.mansion + " " + a.mansionLuck},
        {"冲煞", "冲" + a.clashPillar + "（" + a.clashAnimal + "） 煞" + a.sha},
        {"彭祖", a.stemTaboo + " " + a.branchTaboo},
        {"值神", a.spirit + " " + a.path},
        {"胎神", a.foetus},
        {"方位", "喜神" + a.joy + " 福神" + a.fortune + " 财神" + a.wealth},
    };
    if (a.nines) lines.push_back({"数九", *a.nines});
    if (a.dogDays) lines.push_back({"三伏", *a.dogDays});
    return lines;
}

}  // namespace almanac
