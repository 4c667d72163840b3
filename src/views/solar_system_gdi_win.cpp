#include "views/solar_system_gdi_win.h"

namespace corvinata {

void PaintSolarSystemPlan(HDC dc, const PlanScene& scene, HFONT displayFont, HFONT symbolFont) {
    RECT all{0, 0, scene.width, scene.height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    GdiPlanCanvas canvas(dc, displayFont, symbolFont);
    DrawSolarSystemPlan(scene, canvas);
}

}  // namespace corvinata
