// Renders many coverage masks at once on every core, ahead of the drawing
// that needs them. A paint at a new size needs a new mask for almost every
// text and renders them one after another; handed over beforehand, they are
// rendered side by side and the paint finds them remembered.
#pragma once

#include <QFont>
#include <string>
#include <vector>

// A mask as TSmoothMask::DrawMask would render it.
struct TSmoothMaskRequest {
    QFont font;
    int escapement = 0;  // tenths of a degree
    int quality = 0;
    std::string gbk;
};

// Renders and remembers the masks of `requests` the mask cache lacks (each
// once), and returns when all are remembered. A mask that fails to render is
// left out; drawing renders it itself then. Call from one thread at a time.
void PrefetchSmoothMasks(const std::vector<TSmoothMaskRequest>& requests);
