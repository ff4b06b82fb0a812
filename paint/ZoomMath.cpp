#include "paint/ZoomMath.h"


#include <cmath>

namespace ZoomMath {

bool CanZoomIn(int referenceWidth, int referenceHeight, float zoom) {
    const double factor = double(zoom) * double(Step) * 2;
    return double(referenceWidth) * TwipsPerPixel * factor <= LimitTwips &&
           double(referenceHeight) * TwipsPerPixel * factor <= LimitTwips;
}

int FocusScrollValue(double focus, double view, double canvas, int maximum) {
    const double span = canvas - view;
    if (!(span > 0) || maximum <= 0)
        return 0;
    const double v = std::nearbyint((focus - view / 2) / span * maximum);
    if (!(v > 0))
        return 0;
    return v > maximum ? maximum : int(v);
}

} // namespace ZoomMath
