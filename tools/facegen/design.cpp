#include "design.h"

#include <algorithm>

namespace tabulor::facegen {

namespace {

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

}  // namespace

Rgb panelColour(int row, int scale) {
    constexpr int kMiddle = 27;
    constexpr int kAnnunciatorRow = 46;  // from here the annunciators' own purple
    constexpr int kTop = faceplate::kPanelRect.top;
    // The flat bands cover whole scale-1 rows; the gradient between them runs on through the
    // rows of a larger scale, measured at their centres.
    const int whole = row / scale;
    if (whole <= kTop) return colour::kPanelTop;
    if (whole >= faceplate::kPanelRect.bottom - 1) return colour::kPanelBottom;
    if (whole >= kAnnunciatorRow) return colour::kAnnunciatorBackground;
    const double y = std::clamp((row + 0.5) / scale - 0.5, static_cast<double>(kTop),
                                static_cast<double>(kAnnunciatorRow));
    if (y <= kMiddle) {
        return mix(colour::kPanelTop, colour::kPanelMiddle,
                   smooth(static_cast<double>(y - kTop) / (kMiddle - kTop)));
    }
    return mix(colour::kPanelMiddle, colour::kAnnunciatorBackground,
               smooth(static_cast<double>(y - kMiddle) / (kAnnunciatorRow - kMiddle)));
}

}  // namespace tabulor::facegen
