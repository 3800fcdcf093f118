#include "core/panel.h"

namespace panel {

Sitz sitz[kSitze];
Bilder bilder;

namespace {
bool gueltig(int seat) { return seat >= 0 && seat < kSitze; }
}  // namespace

void text(int seat, const std::string& t) {
    if (!gueltig(seat)) return;
    sitz[seat].bubble = t;
    sitz[seat].bubbleVisible = !t.empty();
    sitz[seat].bubbleFade = 1.0f;
}

void icon(int seat, int32_t tex) {
    if (!gueltig(seat)) return;
    sitz[seat].icon = tex;
    sitz[seat].iconVisible = tex > 0;
    sitz[seat].iconFade = 1.0f;
}

void amZug(int seat) {
    for (int s = 1; s < kSitze; ++s) {
        if (s == seat) {
            icon(s, bilder.dran);
        } else if (sitz[s].iconVisible && sitz[s].icon == bilder.dran) {
            icon(s, 0);
        }
    }
}

void iconsVerbergen() {
    for (int s = 0; s < kSitze; ++s) icon(s, 0);
}

void leeren() {
    for (Sitz& s : sitz) s = Sitz{};
}

}  // namespace panel
