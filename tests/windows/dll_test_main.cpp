// Runs the guaku behaviour tests against guaku.dll through stdcall calls.
#include <gtest/gtest.h>

#include <cstdio>

#include "dll_exports.h"

namespace {

TEST(DllExports, EachNameAndItsOrdinalGiveTheSameFunction) {
    const guaku_dll::ResolvedExport* exports = guaku_dll::exports();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(exports[i].ordinal, i + 1);
        EXPECT_EQ(exports[i].byName, exports[i].byOrdinal) << exports[i].name;
    }
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const char* path = argc > 1 ? argv[1] : "guaku.dll";
    const std::string error = guaku_dll::load(path);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
