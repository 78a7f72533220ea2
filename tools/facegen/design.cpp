#include "design.h"

namespace tabulor::facegen {

namespace {

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

}  // namespace

Rgb panelColour(int y) {
    constexpr int kMiddle = 27;
    constexpr int kAnnunciatorRow = 46;  // from here the annunciators' own purple
    constexpr int kTop = faceplate::kPanelRect.top;
    if (y <= kTop) return colour::kPanelTop;
    if (y >= faceplate::kPanelRect.bottom - 1) return colour::kPanelBottom;
    if (y >= kAnnunciatorRow) return colour::kAnnunciatorBackground;
    if (y <= kMiddle) {
        return mix(colour::kPanelTop, colour::kPanelMiddle,
                   smooth(static_cast<double>(y - kTop) / (kMiddle - kTop)));
    }
    return mix(colour::kPanelMiddle, colour::kAnnunciatorBackground,
               smooth(static_cast<double>(y - kMiddle) / (kAnnunciatorRow - kMiddle)));
}

}  // namespace tabulor::facegen
