// Masks rendered ahead on helper threads against the masks drawing renders
// itself, and the calendar's whole paint (which renders its masks ahead)
// against the same paint with every mask rendered in turn.
#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <map>

#include "calendar_control/nong_calendar.h"
#include "gbk.h"
#include "smooth_text/smooth_font.h"
#include "smooth_text/smooth_mask_cache.h"
#include "smooth_text/smooth_mask_prefetch.h"

namespace {

TEST(SmoothMaskPrefetch, RemembersWhatDrawingRendersItself) {
    std::vector<TSmoothMaskRequest> requests;
    for (const char* family : {"Noto Sans CJK SC", "Arial", "Times New Roman"})
        for (int pixels : {11, 29})
            for (bool italic : {false, true}) {
                QFont font(QString::fromLatin1(family));
                font.setPixelSize(pixels);
                font.setItalic(italic);
                for (int quality = 0; quality <= 3; ++quality)
                    for (int escapement : {0, 450})
                        for (const char* text : {"甲子", "初一", "31", "中秋节 Mid"})
                            requests.push_back({font, escapement, quality, testing_support::gbk(text)});
            }
    requests.push_back(requests.front());  // asked twice, rendered once

    std::map<std::string, TSmoothCachedMask> drawn;
    for (const TSmoothMaskRequest& request : requests) {
        TSmoothSurface surface;
        surface.Font = request.font;
        surface.Escapement = request.escapement;
        TSmoothFont drawer(&surface);
        drawer.SetQuality(request.quality);
        drawer.Mask().DrawMask(request.gbk);
        drawn[SmoothMaskKey(request.font, request.escapement, request.quality, request.gbk)] =
            drawer.Mask().Snapshot();
    }

    ClearSmoothMaskCache();
    PrefetchSmoothMasks(requests);
    for (const auto& [key, mask] : drawn) {
        const TSmoothCachedMask* ahead = FindSmoothMask(key);
        ASSERT_NE(ahead, nullptr) << key;
        EXPECT_EQ(ahead->size, mask.size) << key;
        EXPECT_EQ(ahead->imageStride, mask.imageStride) << key;
        EXPECT_EQ(ahead->data, mask.data) << key;
    }
}

// A whole paint gathers its masks in a pass that draws nothing and renders
// them ahead; painting by parts renders each mask as its text is drawn. The
// whole paint must come out the same from either set of masks.
TEST(SmoothMaskPrefetch, AWholePaintIsTheSameFromMasksRenderedAheadOrInTurn) {
    for (bool shadow : {false, true})
        for (QSize size : {QSize(300, 210), QSize(900, 640)}) {
            const auto paint = [&](const std::vector<QRegion>& regions) {
                TNongCalendar calendar;
                calendar.SetDate(calendar::DateTimeOf(std::chrono::sys_days{std::chrono::year{2010} / 9 / 13}));
                calendar.resize(size);
                calendar.SetSmoothText(true);
                calendar.SetShadowFont(shadow);
                calendar.show();
                for (const QRegion& region : regions) calendar.Paint(region);
                return calendar.Canvas().Image().copy();
            };
            const QRegion whole(QRect(QPoint(0, 0), size));
            const QRegion top(0, 0, size.width(), size.height() / 2);
            ClearSmoothMaskCache();
            const QImage ahead = paint({whole});
            ClearSmoothMaskCache();
            paint({top, whole - top});
            const std::uint64_t generation = SmoothMaskCacheGeneration();
            EXPECT_EQ(paint({whole}), ahead) << "shadow " << shadow << " width " << size.width();
            EXPECT_EQ(SmoothMaskCacheGeneration(), generation);
        }
}

}  // namespace
