#pragma once
// Program-wide values shared between windows. They start at their defaults at
// every start and are never saved.
#include "platform/Color.h"
#include "platform/Random.h"

#include <QString>

struct AppContext {
    // Pictures the image dialog copied into samples/Wisplet_Files as MyImage<N> in this run.
    int ImageCount = 0;
    // HTML handed from the insertion dialogs to the content editor.
    QString ImageHtml;
    QString TableHtml;

    // The predefined shape being edited (shapes window and renderer).
    QString ShapeName = QStringLiteral("Rectangle");
    ColorValue ShapeBorderColor = Color::Black;
    ColorValue ShapeFillColor = Color::White;
    int ShapeBorderWidth = 1;

    // Parameters of the geometric effects (mirror, scale, rotate, invert).
    double EffectScaleX = 1.0;
    double EffectScaleY = 1.0;
    double EffectAngle = 0.0;
    bool EffectClockwise = true;

    Random random;

    static AppContext& instance();
    // Back to the start-up values (tests).
    void reset();
};
