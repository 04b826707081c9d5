#include "smooth_mask_prefetch.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <optional>
#include <unordered_set>

#include "smooth_text/smooth_font.h"
#include "smooth_text/smooth_mask.h"
#include "smooth_text/smooth_mask_cache.h"

namespace {

// Qt keeps font engines per thread, so the helpers live as long as the
// application and keep theirs loaded from one paint to the next. They end
// as the application starts to close, while their fonts can still be freed.
QThreadPool* pool = nullptr;

QThreadPool& helpers() {
    if (!pool) {
        pool = new QThreadPool;
        pool->setExpiryTimeout(-1);
        pool->setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        qAddPostRoutine([] {
            delete pool;  // waits for the helpers to end
            pool = nullptr;
        });
    }
    return *pool;
}

std::optional<TSmoothCachedMask> render(const TSmoothMaskRequest& request) {
    try {
        // The font is only read here: the mask renders and measures through
        // a scaled copy of its own, whose engines are this thread's.
        TSmoothSurface surface;
        surface.Font = request.font;
        surface.Escapement = request.escapement;
        TSmoothFont drawer(&surface);
        drawer.SetQuality(request.quality);
        TSmoothMask& mask = drawer.Mask();
        mask.DrawMask(request.gbk, mask.TextExtent(request.gbk), QPoint(0, 0));
        return mask.Snapshot();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

void PrefetchSmoothMasks(const std::vector<TSmoothMaskRequest>& requests) {
    std::vector<std::string> keys;
    std::vector<const TSmoothMaskRequest*> missing;
    std::unordered_set<std::string> seen;
    for (const TSmoothMaskRequest& request : requests) {
        if (request.gbk.empty()) continue;
        std::string key = SmoothMaskKey(request.font, request.escapement, request.quality, request.gbk);
        if (FindSmoothMask(key) != nullptr || !seen.insert(key).second) continue;
        keys.push_back(std::move(key));
        missing.push_back(&request);
    }
    if (missing.empty()) return;

    std::vector<std::optional<TSmoothCachedMask>> masks(missing.size());
    std::atomic<std::size_t> next{0};
    const auto drain = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < missing.size();) masks[i] = render(*missing[i]);
    };
    // This thread renders too; a helper that starts late finds little left.
    const int helperCount = static_cast<int>(std::min<std::size_t>(helpers().maxThreadCount(), missing.size() - 1));
    QSemaphore done;
    for (int h = 0; h < helperCount; ++h) helpers().start([&] {
        drain();
        done.release();
    });
    drain();
    done.acquire(helperCount);

    for (std::size_t i = 0; i < missing.size(); ++i)
        if (masks[i]) RememberSmoothMask(std::move(keys[i]), std::move(*masks[i]));
}
