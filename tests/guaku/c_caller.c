/* A plain C program calling every export through the public header, the
 * way another program would: constant blocks built with the header's
 * helpers, results copied at once. Exits non-zero on the first mismatch. */
#include <guaku.h>
#include <stdio.h>
#include <string.h>

static int failures = 0;

static void expect(int ok, const char* what) {
    if (!ok) {
        fprintf(stderr, "FAILED: %s\n", what);
        ++failures;
    }
}

int main(void) {
    GuakuTextBlock block;
    unsigned char args[6][GUAKU_TEXT_BUFFER_SIZE];
    unsigned char result[GUAKU_TEXT_BUFFER_SIZE];
    const char* chart;

    expect(GetBiHua(guaku_constant_text(&block, "\xC7\xAC", 2)) == 11, "GetBiHua(乾) == 11");
    expect(strcmp(lssg(1, 1), "\xC7\xAC\xCE\xAA\xCC\xEC") == 0, "lssg(1, 1) == 乾为天");
    expect(wsxy(guaku_constant_text(&block, "\xD2\xD2", 2), 1) == 13, "wsxy(乙, 1) == 13");
    expect(kjxy(guaku_constant_text(&block, "\xD2\xD2", 2), 23, 30) == 15, "kjxy(乙, 23, 30) == 15");

    result[0] = 0;
    kong(result, guaku_length_prefixed(args[0], "\xBC\xD7\xD7\xD3", 4)); /* 甲子 */
    expect(result[0] == 5 && memcmp(result + 1, "\xD0\xE7,\xBA\xA5", 5) == 0, "kong(甲子) == 戌,亥");

    guaku_length_prefixed(args[0], "\xCE\xE7", 2); /* 午 */
    guaku_length_prefixed(args[1], "\xC8\xFD", 2); /* 三 */
    guaku_length_prefixed(args[2], "\xB3\xF5\xCE\xE5", 4); /* 初五 */
    guaku_length_prefixed(args[3], "\xB3\xBD", 2); /* 辰 */
    guaku_length_prefixed(args[4], "\xB9\xC8\xD3\xEA", 4); /* 谷雨 */
    guaku_length_prefixed(args[5], "", 0);
    chart = DIJU(args[0], args[1], args[2], args[3], args[4], args[5]);
    expect(chart != NULL && strcmp(chart, "\xD1\xF4" "2") == 0, "DIJU(...) == 阳2");

    if (failures == 0) printf("all six exports answered as expected\n");
    return failures == 0 ? 0 : 1;
}
