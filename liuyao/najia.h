// 纳甲: the stem and branch each line of a hexagram takes. The lower
// trigram takes its trigram's inner set, the upper its outer set.
#pragma once

#include <string>

#include "reading/five_elements.h"

namespace liuyao {

struct StemBranch {
    int stem = 0;    // 1..10 from 甲
    int branch = 0;  // 1..12 from 子

    friend bool operator==(const StemBranch&, const StemBranch&) = default;
};

// Line 1..6 (bottom first) of the hexagram of an upper and a lower trigram.
// Throws std::out_of_range for a trigram or a line out of range.
StemBranch NajiaOf(int upper, int lower, int line);

// "甲子"; GBK, made once.
const std::string& StemBranchName(StemBranch stemBranch);

// "子"; GBK, made once.
const std::string& BranchName(int branch);

// The element of the branch.
reading::Element ElementOf(StemBranch stemBranch);

}  // namespace liuyao
