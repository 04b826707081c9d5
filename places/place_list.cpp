#include "place_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <tuple>

namespace places {
namespace {

// Name, longitude, latitude, zone.
constexpr std::array<const char*, 4> kRows[] = {
#include "places.inc"
};

// The opening bracket of a qualified name: 朝阳区（北京）.
constexpr std::string_view kQualifierOpens = "（";

// The list is generated; a field that is no number means a broken regeneration.
double Degrees(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        throw std::runtime_error("places.txt: \"" + std::string(text) + "\" is not a number of degrees");
    }
    return value;
}

// Whether `text` holds `part` starting on a character: GBK's second bytes
// overlap its first bytes and ASCII, so a match may not begin mid-character.
bool HoldsWhole(std::string_view text, std::string_view part) {
    for (std::size_t at = 0; at + part.size() <= text.size();
         at += static_cast<unsigned char>(text[at]) >= 0x81 ? 2 : 1) {
        if (text.compare(at, part.size(), part) == 0) return true;
    }
    return false;
}

}  // namespace

const std::vector<Place>& AllPlaces() {
    static const std::vector<Place> all = [] {
        std::vector<Place> list;
        list.reserve(std::size(kRows));
        for (const auto& [name, longitude, latitude, zone] : kRows) {
            list.push_back({name, Degrees(longitude), Degrees(latitude), zone});
        }
        // The data file is sorted as UTF-8; lookups need GBK's order.
        std::sort(list.begin(), list.end(), [](const Place& a, const Place& b) { return a.name < b.name; });
        return list;
    }();
    return all;
}

const Place* PlaceNamed(std::string_view name) {
    const std::vector<Place>& all = AllPlaces();
    const auto found = std::lower_bound(all.begin(), all.end(), name,
                                        [](const Place& place, std::string_view n) { return place.name < n; });
    return found != all.end() && found->name == name ? &*found : nullptr;
}

std::vector<const Place*> PlacesCalled(std::string_view name) {
    if (const Place* exact = PlaceNamed(name)) return {exact};
    std::vector<const Place*> qualified;
    if (name.empty()) return qualified;
    const std::string opening = std::string(name) + std::string(kQualifierOpens);
    const std::vector<Place>& all = AllPlaces();
    auto at = std::lower_bound(all.begin(), all.end(), opening,
                               [](const Place& place, const std::string& n) { return place.name < n; });
    for (; at != all.end() && at->name.starts_with(opening); ++at) qualified.push_back(&*at);
    return qualified;
}

std::vector<const Place*> FindPlaces(std::string_view query, std::size_t limit) {
    std::vector<const Place*> found;
    if (query.empty()) return found;
    for (const Place& place : AllPlaces()) {
        if (HoldsWhole(place.name, query)) found.push_back(&place);
    }
    // 0 the name itself, 1 a name beginning with it, 2 any other.
    const auto order = [query](const Place* place) {
        const int kind = place->name == query ? 0 : place->name.starts_with(query) ? 1 : 2;
        return std::tuple(kind, place->name.size(), std::string_view(place->name));
    };
    const std::size_t kept = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kept), found.end(),
                      [&order](const Place* a, const Place* b) { return order(a) < order(b); });
    found.resize(kept);
    return found;
}

}  // namespace places
