// Rules of the current outputs I1..I4: which rows of the main page and whether the chart are shown,
// decided by the output's variable and curve bytes.

#include "core/catalogue/codec.h"
#include "core/families/shared/output_pages.h"

namespace tessalin::outputs {

namespace {

bool VariableChosen(Location variable) { return ParamByte(variable) != 0; }
bool CurveIs(Location curve, int code) { return ParamByte(curve) == code; }

}  // namespace

bool StartEndShown(Location variable, Location curve) {
    if (OptSkle() && CurveIs(curve, kCurveTable)) return false;
    return VariableChosen(variable);
}

bool CornersShown(Location curve) { return CurveIs(curve, kCurveTrilinear); }

bool FiftyPointShown(Location curve) { return CurveIs(curve, kCurveFunction); }

bool ChartShown(Location variable, Location curve) {
    return OptSkle() && CurveIs(curve, kCurveTable) && VariableChosen(variable);
}

}  // namespace tessalin::outputs
