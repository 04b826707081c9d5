// The places a clock reading can be turned to true solar time at, chosen
// by Chinese name: every prefecture-level division of the mainland, the
// counties and districts GeoNames places, and the world's large cities.
// Names are GBK, like all text below the window.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace places {

struct Place {
    // A name several places share carries its province, city or country
    // in brackets: 朝阳区（北京）, 朝阳区（吉林）.
    std::string name;
    double longitude = 0;  // degrees, east positive
    double latitude = 0;   // degrees, north positive
    // The IANA zone of the place's clocks: Asia/Shanghai for the whole
    // mainland, which keeps Beijing time, Xinjiang included.
    std::string zone;
};

// Every place, in the byte order of their names.
const std::vector<Place>& AllPlaces();

// The place of exactly this name, or nullptr.
const Place* PlaceNamed(std::string_view name);

// The place of exactly this name; or, for a name several places share
// (朝阳区), each of them by its bracketed name, so the caller can say the
// name is ambiguous and offer them; or nothing.
std::vector<const Place*> PlacesCalled(std::string_view name);

// At most `limit` places whose name holds `query` (whole characters): the
// place of exactly that name first, then names beginning with it, then the
// rest, shorter names first within each. An empty query finds nothing.
std::vector<const Place*> FindPlaces(std::string_view query, std::size_t limit);

}  // namespace places
