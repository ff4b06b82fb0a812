#include "designer/WispletSettings.h"

namespace {
QString itemAt(const QStringList& list, int index) {
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

// Whole number of a size text; nothing when empty, not all digits, or too long
// to be a sensible size (the sum below must not overflow).
std::optional<long long> sizeValue(const QString& text) {
    if (text.isEmpty() || text.size() > 15)
        return std::nullopt;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return text.toLongLong();
}

std::optional<long long> outerSide(const QString& side, const WispletSettings& s) {
    const auto v = sizeValue(side);
    const auto in = sizeValue(s.padIn);
    const auto out = sizeValue(s.padOut);
    const auto border = sizeValue(s.borderWidth);
    if (!v || !in || !out || !border)
        return std::nullopt;
    return *v + 2 * *in + 2 * *out + 2 * *border;
}
} // namespace

const QStringList& WispletSettings::alignments() {
    static const QStringList items{"Default", "Left", "Center", "Right"};
    return items;
}

const QStringList& WispletSettings::borderStyles() {
    static const QStringList items{"none", "solid", "dashed", "dotted", "double"};
    return items;
}

const QStringList& WispletSettings::entrances() {
    static const QStringList items{"Slide From Left-Top", "Slide From Left", "Slide From Top"};
    return items;
}

const QStringList& WispletSettings::contentEntrances() {
    static const QStringList items{
        "Doors Opening - Vertical", "Doors Closing - Vertical", "Doors Opening - Horizontal",
        "Doors Closing - Horizontal", "Wipe Up", "Wipe Down", "Wipe Right", "Wipe Left", "Blinds - Up",
        "Blinds - Down", "Blinds - Right", "Blinds - Left", "Checkerboard - Up", "Checkerboard - Down",
        "Checkerboard - Right", "Checkerboard - Left", "Fade", "GradientWipe - Up", "GradientWipe - Down",
        "GradientWipe - Right", "GradientWipe - Left", "Diagonal DownRight", "Box In", "Box Out", "Circle In",
        "Circle Out", "Plus Sign In", "Plus Sign Out", "X-In", "X-Out", "Diamond In", "Diamond Out", "Star In",
        "Star Out", "Pixelate", "Radial WindowWipe", "Clock WindowWipe", "Wedge WindowWipe",
        "Random Lines - Horizontal", "Random Lines - Vertical", "Random Dissolve", "Slice Out", "Slice In",
        "Slice Swap", "HideOut", "PushAway", "SwapOver", "Spiral", "TopBottom", "LeftRight", "QuadBlocks",
        "Vertical Halves", "Horizontal Halves", "CubeTurn", "CoverUp", "StretchOut", "Diagonal Saw - Left Down",
        "Diagonal Saw - Left Up", "Diagonal Saw - Right Down", "Diagonal Saw - Right Up", "Wheel Wipe ", "ZigZag"};
    return items;
}

const QStringList& WispletSettings::backCategories() {
    static const QStringList items{"Choose Category", "images", "borders", "shapes", "personal"};
    return items;
}

QString WispletSettings::alignText() const { return itemAt(alignments(), align); }
QString WispletSettings::borderStyleText() const { return itemAt(borderStyles(), borderStyle); }

std::optional<QString> WispletSettings::categoryName() const {
    if (backCategory <= 0 || backCategory >= backCategories().size())
        return std::nullopt;
    return backCategories().at(backCategory);
}

QString WispletSettings::backgroundSuffix() const {
    if (backCategory == 0)
        return QString();
    return backImage != QLatin1String("None") ? QStringLiteral(".jpg") : QString();
}

std::optional<long long> WispletSettings::outerWidth() const { return outerSide(width, *this); }
std::optional<long long> WispletSettings::outerHeight() const { return outerSide(height, *this); }

const NumericField (&numericFields())[7] {
    static const NumericField fields[7] = {
        {"WispletWidth", "WidthControl", 3, 0, 999},
        {"WispletHeight", "HeightControl", 3, 0, 999},
        {"WispletPadIn", "PadInControl", 1, 0, 9},
        {"WispletPadOut", "PadOutControl", 1, 0, 9},
        {"WispletBorderWidth", "BorderWidthControl", 0, 0, 10},
        {"WispletWaiting", "WaitControl", 1, 0, 9},
        {"ContentEntranceDur", "DurationControl", 0, 0, 9},
    };
    return fields;
}
