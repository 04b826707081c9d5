// How the exports treat the caller's text blocks.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "guaku_texts.h"

namespace {

using guaku_test::gbk;
using guaku_test::TextBlock;

struct TextTaker {
    const char* name;
    std::function<int32_t(RefCountedString)> call;
};

const TextTaker kTextTakers[] = {
    {"GetBiHua", [](RefCountedString s) { return GetBiHua(s); }},
    {"wsxy", [](RefCountedString s) { return wsxy(s, 5); }},
    {"kjxy", [](RefCountedString s) { return kjxy(s, 3, 20); }},
};

TEST(TextForms, ConstantBlockIsLeftByteForByte) {
    for (const auto& taker : kTextTakers) {
        const TextBlock block(gbk("乙"), -1);
        const auto before = block.words();
        taker.call(block.chars());
        EXPECT_EQ(block.words(), before) << taker.name;
    }
}

TEST(TextForms, CountedBlockComesBackAtItsCount) {
    for (const auto& taker : kTextTakers) {
        for (int32_t count : {1, 2, 1000, 0, -2}) {  // broken counts come back too
            const TextBlock block(gbk("乙"), count);
            const auto before = block.words();
            taker.call(block.chars());
            EXPECT_EQ(block.words(), before) << taker.name << " count " << count;
        }
    }
}

// Runtimes hand one block to several threads; the count must survive
// concurrent calls that each take and drop a reference.
TEST(TextForms, SharedCountedBlockSurvivesConcurrentCalls) {
    const TextBlock block(gbk("乙"), 1);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 20000; ++i) GetBiHua(block.chars());
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(block.count(), 1);
}

TEST(TextForms, NegativeLengthAndNullReadAsEmpty) {
    for (const auto& taker : kTextTakers) {
        const TextBlock empty("", -1);
        const int32_t expected = taker.call(empty.chars());
        EXPECT_EQ(taker.call(nullptr), expected) << taker.name;
        for (int32_t length : {-1, -2, INT32_MIN}) {
            const TextBlock broken(gbk("乙"), -1, length);
            EXPECT_EQ(taker.call(broken.chars()), expected) << taker.name << " length " << length;
        }
    }
}

TEST(TextForms, LengthFieldBoundsTheText) {
    // The characters beyond the length field are not part of the text.
    EXPECT_EQ(GetBiHua(TextBlock(gbk("乾"), -1, 1).chars()), 0);
    EXPECT_EQ(wsxy(TextBlock(gbk("乙丑"), -1, 2).chars(), 1), 13);
    EXPECT_EQ(wsxy(TextBlock(gbk("乙"), -1, 2).chars(), 1), 13);
}

TEST(TextForms, HeaderHelpersBuildBlocksTheLibraryReads) {
    GuakuTextBlock block;
    const std::string stem = gbk("乙");
    RefCountedString text = guaku_constant_text(&block, stem.data(), stem.size());
    EXPECT_EQ(wsxy(text, 1), 13);
    EXPECT_EQ(block.refCount, -1);

    std::string tooLong(300, 'x');
    guaku_constant_text(&block, tooLong.data(), tooLong.size());
    EXPECT_EQ(block.length, 255);
    EXPECT_EQ(block.chars[255], '\0');

    unsigned char buffer[GUAKU_TEXT_BUFFER_SIZE];
    const std::string head = gbk("甲子");
    unsigned char result[GUAKU_TEXT_BUFFER_SIZE] = {0};
    kong(result, guaku_length_prefixed(buffer, head.data(), head.size()));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(result + 1), result[0]), gbk("戌,亥"));
}

}  // namespace
