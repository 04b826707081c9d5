#include "najia.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "calendar/calendar_names.h"

namespace liuyao {
namespace {

// A trigram's name, then the stems and branches of its three lines as the
// inner trigram and of its three as the outer one.
using TrigramNajia = std::array<const char*, 7>;

constexpr TrigramNajia kTable[] = {
#include "najia.inc"
};
static_assert(std::size(kTable) == 8);

// The sexagenary index (0 = 甲子) of a stem and a branch of the same parity.
int IndexOf(StemBranch sb) { return ((6 * (sb.stem - 1) - 5 * (sb.branch - 1)) % 60 + 60) % 60; }

StemBranch Named(std::string_view name) {
    for (int index = 0; index < 60; ++index) {
        if (calendar::GanZhiName(index) == name) return {index % 10 + 1, index % 12 + 1};
    }
    throw std::logic_error("najia table names no stem and branch");
}

// The table read once into numbers: [trigram - 1][0..2 inner, 3..5 outer].
const std::array<std::array<StemBranch, 6>, 8>& Table() {
    static const auto table = [] {
        std::array<std::array<StemBranch, 6>, 8> read{};
        for (int t = 0; t < 8; ++t) {
            for (int k = 0; k < 6; ++k) read[t][k] = Named(kTable[t][k + 1]);
        }
        return read;
    }();
    return table;
}

}  // namespace

StemBranch NajiaOf(int upper, int lower, int line) {
    if (line < 1 || line > 6) throw std::out_of_range("no such line");
    const int trigram = line <= 3 ? lower : upper;
    if (trigram < 1 || trigram > 8) throw std::out_of_range("no such trigram");
    return Table()[trigram - 1][line - 1];
}

const std::string& StemBranchName(StemBranch stemBranch) { return calendar::GanZhiName(IndexOf(stemBranch)); }

// The branch of a sexagenary index is its index modulo 12, so the pair at
// index branch - 1 ends with that branch.
const std::string& BranchName(int branch) {
    // Cut once each: a chart asks two dozen times.
    static const auto kNames = [] {
        std::array<std::string, 12> names;
        for (int b = 0; b < 12; ++b) names[b] = calendar::GanZhiName(b).substr(2);
        return names;
    }();
    return kNames[((branch - 1) % 12 + 12) % 12];
}

reading::Element ElementOf(StemBranch stemBranch) { return reading::ElementOfBranch(stemBranch.branch); }

}  // namespace liuyao
