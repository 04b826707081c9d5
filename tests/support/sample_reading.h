// The reading both the engine and the window tests reproduce: 某人, 男, 30,
// 2010-09-13 hour 17, cast the traditional way (乾 over 离, line 3 moving).
#pragma once

namespace testing_support {

inline constexpr const char* kSampleReport[13] = {
    "  姓名： 某人  性别： 男  年龄： 30",
    "  公历：2010年9月13日17时",
    "  起卦方式： 传统起卦",
    "  农历：二零一零年八月初六",
    "  年建: 庚寅  月建: 乙酉  日建: 丙寅  时建: 丁酉",
    "     本卦        互卦        变卦        错卦        综卦",
    "   天火同人     天风姤     天雷无妄     地水师     火天大有  ",
    "  ▄▄▄▄▄  ▄▄▄▄▄  ▄▄▄▄▄  ▄▄　▄▄  ▄▄▄▄▄",
    "  ▄▄▄▄▄  ▄▄▄▄▄  ▄▄▄▄▄  ▄▄　▄▄  ▄▄　▄▄",
    "  ▄▄▄▄▄  ▄▄▄▄▄  ▄▄▄▄▄  ▄▄　▄▄  ▄▄▄▄▄",
    "  ▄▄▄▄▄* ▄▄▄▄▄  ▄▄　▄▄  ▄▄　▄▄  ▄▄▄▄▄",
    "  ▄▄　▄▄  ▄▄▄▄▄  ▄▄　▄▄  ▄▄▄▄▄  ▄▄▄▄▄",
    "  ▄▄▄▄▄  ▄▄　▄▄  ▄▄▄▄▄  ▄▄　▄▄  ▄▄▄▄▄",
};

}  // namespace testing_support
