/* guaku: divination functions for Meihua and Qimen charts.
 *
 * Six stateless functions: the stroke count of a GB2312 character, the
 * name of a hexagram, the hour pillar, the ten-minute pillar, the void
 * branches of a ten-day week and the chart number of a Qimen chart.
 *
 * All text is GBK (a Chinese character is two bytes); all lengths count
 * bytes. Integers are signed 32-bit on every platform.
 *
 * Text forms
 * ----------
 * RefCountedString (arguments of GetBiHua, wsxy, kjxy): a pointer to the
 * first character of a block laid out as
 *     pointer - 8   int32_t  reference count; -1 marks a constant block
 *     pointer - 4   int32_t  length in bytes
 *     pointer + 0   length bytes of text, then one 0 byte
 * whatever the pointer size. A null pointer is the empty text; a negative
 * length reads as the empty text. During a call the library adds one to a
 * count that is not -1 and takes it off again before returning, so a block
 * comes back with the count it had; a constant block (-1) is never written.
 * Callers without such a runtime build a constant block with
 * guaku_constant_text() below.
 *
 * LengthPrefixedString (arguments of DIJU, argument and result of kong): a
 * pointer to one length byte n (0..255) followed by n bytes of text, with no
 * terminator. The library copies n + 1 bytes and never reads further, and
 * never writes to an argument. A null pointer is the empty text.
 *
 * Ownership: no memory changes owner. Arguments are borrowed for the call;
 * lssg returns a library constant, DIJU a per-thread buffer, kong writes
 * into the caller's buffer. Never free or write through a returned pointer.
 */
#ifndef GUAKU_H
#define GUAKU_H

#include <stdint.h>
#include <string.h>

#define GUAKU_VERSION_MAJOR 1
#define GUAKU_VERSION_MINOR 0
#define GUAKU_VERSION_PATCH 0

/* The exports use the system calling convention of 32-bit Windows (the
 * callee pops its arguments) and the platform's default elsewhere. */
#if defined(_WIN32) && !defined(_WIN64)
#define GUAKU_CALL __stdcall
#else
#define GUAKU_CALL
#endif

/* How the exports are declared: exported while building the library,
 * imported from the DLL on Windows. A caller that links its own
 * definitions (a test harness, say) may define GUAKU_API beforehand. */
#ifndef GUAKU_API
#if defined(_WIN32)
#if defined(GUAKU_BUILDING)
#define GUAKU_API __declspec(dllexport)
#else
#define GUAKU_API __declspec(dllimport)
#endif
#elif defined(GUAKU_BUILDING)
#define GUAKU_API __attribute__((visibility("default")))
#else
#define GUAKU_API
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/** Pointer to the characters of a reference-counted text block (see above). */
typedef const char* RefCountedString;

/** Pointer to a length byte followed by that many bytes of text (see above). */
typedef const unsigned char* LengthPrefixedString;

/** Size of the buffer kong writes and of every LengthPrefixedString copy. */
#define GUAKU_TEXT_BUFFER_SIZE 256

/** Strokes (1..30) of the GB2312 character in the first two bytes of text;
 *  0 for anything that is not a GB2312 Chinese character. */
GUAKU_API int32_t GUAKU_CALL GetBiHua(RefCountedString text);

/** Name of the hexagram of an upper and a lower trigram (1..8 = 乾 兑 离 震
 *  巽 坎 艮 坤), NUL-terminated; an empty text for numbers outside 1..8. */
GUAKU_API const char* GUAKU_CALL lssg(int32_t upper, int32_t lower);

/** Qimen chart number: the dun (阳 or 阴) of the solar term followed by one
 *  digit 1..9 from the sum of three branches, the lunar month ("正".."腊",
 *  without 月) and the lunar day ("初一".."三十"). Null when term is not one
 *  of the 24 term names. The text stays valid in the calling thread until
 *  its next call of DIJU. */
GUAKU_API const char* GUAKU_CALL DIJU(LengthPrefixedString branch1, LengthPrefixedString month,
                                      LengthPrefixedString day, LengthPrefixedString branch2,
                                      LengthPrefixedString term, LengthPrefixedString branch3);

/** Sexagenary index (0 = 甲子) of the ten-minute unit of a double hour that
 *  the stem governs; only the parity of hour is used. Result 0..60. */
GUAKU_API int32_t GUAKU_CALL kjxy(RefCountedString stem, int32_t hour, int32_t minute);

/** Sexagenary index (0..59) of the hour pillar for a day stem and a clock
 *  hour 0..23; other hours count as the 子 hour. */
GUAKU_API int32_t GUAKU_CALL wsxy(RefCountedString dayStem, int32_t hour);

/** Writes the two void branches of the xun that xunHead ("甲子", "甲戌", ...)
 *  opens into result as a LengthPrefixedString ("戌,亥"); leaves result
 *  untouched when xunHead is no xun head or result is null. */
GUAKU_API void GUAKU_CALL kong(unsigned char* result, LengthPrefixedString xunHead);

/** A constant text block for callers without a reference-counting runtime. */
typedef struct GuakuTextBlock {
    int32_t refCount; /* always -1: the library never writes the block */
    int32_t length;
    char chars[GUAKU_TEXT_BUFFER_SIZE];
} GuakuTextBlock;

/** Fills block with the first length bytes of text (at most 255) and returns
 *  the RefCountedString to pass to GetBiHua, wsxy or kjxy. */
static inline RefCountedString guaku_constant_text(GuakuTextBlock* block, const char* text,
                                                   size_t length) {
    if (length >= GUAKU_TEXT_BUFFER_SIZE) length = GUAKU_TEXT_BUFFER_SIZE - 1;
    block->refCount = -1;
    block->length = (int32_t)length;
    if (length > 0) memcpy(block->chars, text, length);
    block->chars[length] = 0;
    return block->chars;
}

/** Fills buffer (GUAKU_TEXT_BUFFER_SIZE bytes) with the first length bytes of
 *  text (at most 255) and returns it as a LengthPrefixedString. */
static inline LengthPrefixedString guaku_length_prefixed(unsigned char* buffer, const char* text,
                                                         size_t length) {
    if (length >= GUAKU_TEXT_BUFFER_SIZE) length = GUAKU_TEXT_BUFFER_SIZE - 1;
    buffer[0] = (unsigned char)length;
    if (length > 0) memcpy(buffer + 1, text, length);
    return buffer;
}

#ifdef __cplusplus
}
#endif

#endif /* GUAKU_H */
