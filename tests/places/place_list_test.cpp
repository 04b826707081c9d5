#include "places/place_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "gbk.h"

namespace {

using places::Place;
using testing_support::gbk;
using testing_support::utf8;

// City-centre coordinates as atlases give them to a tenth of a degree
// (Wikipedia's articles on each city); a seat lies within a few
// kilometres of its centre.
TEST(PlaceList, SamplePlacesLieWhereAtlasesPutThemAndEveryCapitalKeepsBeijingTime) {
    struct Case { const char* name; double longitude, latitude; const char* zone; };
    const Case cases[] = {
        {"乌鲁木齐市", 87.6, 43.8, "Asia/Shanghai"}, {"拉萨市", 91.1, 29.65, "Asia/Shanghai"},
        {"哈尔滨市", 126.6, 45.75, "Asia/Shanghai"}, {"喀什市", 76.0, 39.5, "Asia/Shanghai"},
        {"喀什地区", 76.0, 39.5, "Asia/Shanghai"},   {"北京市", 116.4, 39.9, "Asia/Shanghai"},
        {"广州市", 113.3, 23.1, "Asia/Shanghai"},   {"香港", 114.2, 22.3, "Asia/Hong_Kong"},
        {"台北", 121.5, 25.0, "Asia/Taipei"},       {"东京", 139.7, 35.7, "Asia/Tokyo"},
        {"纽约", -74.0, 40.7, "America/New_York"},  {"伦敦", -0.1, 51.5, "Europe/London"},
        {"悉尼", 151.2, -33.9, "Australia/Sydney"}, {"莫斯科", 37.6, 55.75, "Europe/Moscow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Place* place = places::PlaceNamed(gbk(c.name));
        ASSERT_NE(place, nullptr);
        EXPECT_NEAR(place->longitude, c.longitude, 0.2);
        EXPECT_NEAR(place->latitude, c.latitude, 0.2);
        EXPECT_EQ(place->zone, c.zone);
    }
    // Every provincial capital, on Beijing time.
    const char* capitals[] = {"北京市", "天津市", "上海市", "重庆市", "石家庄市", "太原市", "呼和浩特市",
                              "沈阳市", "长春市", "哈尔滨市", "南京市", "杭州市", "合肥市", "福州市",
                              "南昌市", "济南市", "郑州市", "武汉市", "长沙市", "广州市", "南宁市",
                              "海口市", "成都市", "贵阳市", "昆明市", "拉萨市", "西安市", "兰州市",
                              "西宁市", "银川市", "乌鲁木齐市"};
    for (const char* name : capitals) {
        const Place* place = places::PlaceNamed(gbk(name));
        ASSERT_NE(place, nullptr) << name;
        EXPECT_EQ(place->zone, "Asia/Shanghai") << name;
        // Within the mainland's bounds: no namesake from elsewhere was taken.
        EXPECT_TRUE(place->longitude > 73 && place->longitude < 135 && place->latitude > 18 && place->latitude < 54)
            << name;
    }
}

TEST(PlaceList, NamesAreUniqueAndEveryPlaceHasAZone) {
    std::set<std::string> seen;
    for (const Place& place : places::AllPlaces()) {
        EXPECT_TRUE(seen.insert(place.name).second) << utf8(place.name);
        EXPECT_FALSE(place.zone.empty()) << utf8(place.name);
        EXPECT_TRUE(std::abs(place.longitude) <= 180 && std::abs(place.latitude) <= 90) << utf8(place.name);
        EXPECT_EQ(places::PlaceNamed(place.name), &place) << utf8(place.name);
        // A qualified name stands for a bare name that is no place's own.
        if (const auto bracket = place.name.find(gbk("（")); bracket != std::string::npos) {
            EXPECT_GE(places::PlacesCalled(place.name.substr(0, bracket)).size(), 2u) << utf8(place.name);
        }
    }
    EXPECT_GT(seen.size(), 2000u);
}

// A name several places share finds each of them by its bracketed name.
TEST(PlaceList, ASharedNameOffersEveryPlaceOfIt) {
    EXPECT_EQ(places::PlaceNamed(gbk("朝阳区")), nullptr);
    const auto chaoyang = places::PlacesCalled(gbk("朝阳区"));
    ASSERT_GE(chaoyang.size(), 2u);
    for (const Place* place : chaoyang) EXPECT_TRUE(place->name.starts_with(gbk("朝阳区（"))) << utf8(place->name);
    EXPECT_EQ(places::PlacesCalled(gbk("北京市")), std::vector{places::PlaceNamed(gbk("北京市"))});
    EXPECT_TRUE(places::PlacesCalled(gbk("无此地")).empty());
    EXPECT_TRUE(places::PlacesCalled("").empty());
}

TEST(PlaceList, SearchPutsTheNameThenItsBeginningsThenTheRestShortestFirst) {
    for (const char* query : {"喀什", "喀什市", "朝阳", "州", "阳区", "乌鲁木齐"}) {
        SCOPED_TRACE(query);
        const std::string q = gbk(query);
        const auto found = places::FindPlaces(q, 40);
        ASSERT_FALSE(found.empty());
        if (places::PlaceNamed(q)) {
            EXPECT_EQ(found.front()->name, q);
        }
        const auto rank = [&q](const Place* p) { return std::pair(p->name == q ? 0 : p->name.starts_with(q) ? 1 : 2,
                                                                  p->name.size()); };
        for (std::size_t i = 1; i < found.size(); ++i) EXPECT_LE(rank(found[i - 1]), rank(found[i])) << i;
    }
    EXPECT_EQ(places::FindPlaces(gbk("州"), 7).size(), 7u);
    EXPECT_TRUE(places::FindPlaces("", 10).empty());
}

// GBK's second bytes can pair with the next character's first byte into a
// third character: 七台河市 holds the bytes of 咛 across 台 and 河.
TEST(PlaceList, SearchMatchesWholeCharactersOnly) {
    const std::pair<const char*, const char*> cases[] = {{"咛", "七台河市"}, {"蛉", "万全区"}, {"∏", "丁青县"}};
    for (const auto& [query, name] : cases) {
        ASSERT_NE(gbk(name).find(gbk(query)), std::string::npos) << name;  // the bytes are there
        for (const Place* place : places::FindPlaces(gbk(query), 10000)) EXPECT_NE(place->name, gbk(name)) << query;
    }
}

}  // namespace
