// Masks rendered ahead on helper threads against those rendered in turn.
#include <gtest/gtest.h>

#include <QImage>
#include <chrono>

#include "calendar_control/nong_calendar.h"
#include "gbk.h"
#include "smooth_text/smooth_font.h"
#include "smooth_text/smooth_mask_prefetch.h"

namespace {

TEST(SmoothMaskPrefetch, RemembersWhatDrawingRendersItself) {
    std::vector<TSmoothMaskRequest> requests;
    for (const char* family : {"Noto Sans CJK SC", "Arial", "Times New Roman"})
        for (int pixels : {11, 29})
            for (int quality = 0; quality <= 3; ++quality)
                for (int escapement : {0, 450})
                    for (const char* text : {"甲子", "31", "中秋节 Mid"}) {
                        QFont font(QString::fromLatin1(family));
                        font.setPixelSize(pixels);
                        font.setItalic(pixels > 20);
                        requests.push_back({font, escapement, quality, testing_support::gbk(text)});
                    }
    requests.push_back(requests.front());  // asked twice, rendered once

    ClearSmoothMaskCache();
    PrefetchSmoothMasks(requests);
    for (const TSmoothMaskRequest& request : requests) {
        TSmoothSurface surface;
        surface.Font = request.font;
        surface.Escapement = request.escapement;
        TSmoothFont drawer(&surface);
        drawer.SetQuality(request.quality);
        drawer.Mask().DrawMask(request.gbk, drawer.Mask().TextExtent(request.gbk), QPoint(0, 0));
        const TSmoothCachedMask* ahead =
            FindSmoothMask(SmoothMaskKey(request.font, request.escapement, request.quality, request.gbk));
        ASSERT_NE(ahead, nullptr);
        EXPECT_EQ(*ahead, drawer.Mask().Snapshot()) << request.font.key().toStdString() << " " << request.quality;
    }
}

TEST(SmoothMaskPrefetch, AWholePaintIsTheSameFromMasksRenderedAheadOrTextByText) {
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
            const QRegion whole(QRect(QPoint(0, 0), size)), top(0, 0, size.width(), size.height() / 2);
            ClearSmoothMaskCache();
            const QImage ahead = paint({whole});
            ClearSmoothMaskCache();
            paint({top, whole - top});  // paints by parts render their masks text by text
            EXPECT_EQ(paint({whole}), ahead) << "shadow " << shadow << " width " << size.width();
        }
}

}  // namespace
