#include "smooth_mask_cache.h"

#include <unordered_map>

namespace {

// A calendar at full-screen size needs a few megabytes; past the budget
// everything is forgotten at once, which costs one cold repaint.
constexpr std::size_t kBudgetBytes = 32u << 20;

struct Cache {
    std::unordered_map<std::string, TSmoothCachedMask> masks;
    std::size_t bytes = 0;
    std::uint64_t generation = 0;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

}  // namespace

const TSmoothCachedMask* FindSmoothMask(const std::string& key) {
    const auto found = cache().masks.find(key);
    return found == cache().masks.end() ? nullptr : &found->second;
}

void RememberSmoothMask(std::string key, TSmoothCachedMask mask) {
    Cache& c = cache();
    const std::size_t bytes = mask.data.size() + key.size();
    if (bytes > kBudgetBytes) return;
    if (c.bytes + bytes > kBudgetBytes) ClearSmoothMaskCache();
    if (c.masks.try_emplace(std::move(key), std::move(mask)).second) c.bytes += bytes;
}

void ClearSmoothMaskCache() {
    cache().masks.clear();
    cache().bytes = 0;
    ++cache().generation;
}

std::uint64_t SmoothMaskCacheGeneration() { return cache().generation; }
