// guaku.dll loaded at run time, the way a 32-bit Windows caller binds it.
#pragma once

#include <string>

namespace guaku_dll {

// Loads the DLL and resolves every export by name and by ordinal. Returns
// an error text, or an empty one on success.
std::string load(const char* path);

struct ResolvedExport {
    const char* name;
    int ordinal;
    const void* byName;
    const void* byOrdinal;
};

// The six exports as load() resolved them, in ordinal order.
const ResolvedExport* exports();

}  // namespace guaku_dll
