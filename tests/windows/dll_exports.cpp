// The six exports as functions of this program: each forwards through the
// address resolved from guaku.dll and checks that the callee removed its
// arguments from the stack. The shared guaku tests call these.
#include "dll_exports.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "guaku.h"

extern "C" uint32_t stdcall_probe(const void* fn, const uint32_t* args, int32_t count, int32_t* stackDelta);

namespace guaku_dll {
namespace {

enum Ordinal { kGetBiHua, kLssg, kDiju, kKjxy, kWsxy, kKong };

ResolvedExport resolved[6] = {
    {"GetBiHua", 1, nullptr, nullptr}, {"lssg", 2, nullptr, nullptr}, {"DIJU", 3, nullptr, nullptr},
    {"kjxy", 4, nullptr, nullptr},     {"wsxy", 5, nullptr, nullptr}, {"kong", 6, nullptr, nullptr},
};

template <typename T>
uint32_t word(T value) {
    static_assert(sizeof(T) == 4, "every argument is one 32-bit word");
    uint32_t w;
    std::memcpy(&w, &value, 4);
    return w;
}

uint32_t call(Ordinal which, std::initializer_list<uint32_t> args) {
    int32_t stackDelta = 0;
    const uint32_t result =
        stdcall_probe(resolved[which].byName, args.begin(), static_cast<int32_t>(args.size()), &stackDelta);
    if (stackDelta != 0) {
        ADD_FAILURE() << resolved[which].name << " left the stack pointer " << stackDelta
                      << " bytes from where the caller had it";
    }
    return result;
}

}  // namespace

std::string load(const char* path) {
    HMODULE dll = LoadLibraryA(path);
    if (dll == nullptr) return std::string("cannot load ") + path + " (error " + std::to_string(GetLastError()) + ")";
    for (auto& e : resolved) {
        e.byName = reinterpret_cast<const void*>(GetProcAddress(dll, e.name));
        e.byOrdinal = reinterpret_cast<const void*>(GetProcAddress(dll, MAKEINTRESOURCEA(e.ordinal)));
        if (e.byName == nullptr) return std::string("no export named ") + e.name;
        if (e.byOrdinal == nullptr) return "no export at ordinal " + std::to_string(e.ordinal);
    }
    return {};
}

const ResolvedExport* exports() { return resolved; }

}  // namespace guaku_dll

using guaku_dll::call;
using guaku_dll::word;

extern "C" int32_t GUAKU_CALL GetBiHua(RefCountedString text) {
    return static_cast<int32_t>(call(guaku_dll::kGetBiHua, {word(text)}));
}

extern "C" const char* GUAKU_CALL lssg(int32_t upper, int32_t lower) {
    return reinterpret_cast<const char*>(call(guaku_dll::kLssg, {word(upper), word(lower)}));
}

extern "C" const char* GUAKU_CALL DIJU(LengthPrefixedString branch1, LengthPrefixedString month,
                                       LengthPrefixedString day, LengthPrefixedString branch2,
                                       LengthPrefixedString term, LengthPrefixedString branch3) {
    return reinterpret_cast<const char*>(call(guaku_dll::kDiju, {word(branch1), word(month), word(day),
                                                                  word(branch2), word(term), word(branch3)}));
}

extern "C" int32_t GUAKU_CALL kjxy(RefCountedString stem, int32_t hour, int32_t minute) {
    return static_cast<int32_t>(call(guaku_dll::kKjxy, {word(stem), word(hour), word(minute)}));
}

extern "C" int32_t GUAKU_CALL wsxy(RefCountedString dayStem, int32_t hour) {
    return static_cast<int32_t>(call(guaku_dll::kWsxy, {word(dayStem), word(hour)}));
}

extern "C" void GUAKU_CALL kong(unsigned char* result, LengthPrefixedString xunHead) {
    call(guaku_dll::kKong, {word(result), word(xunHead)});
}
