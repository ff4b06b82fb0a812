#pragma once
// The settings of one wisplet, as the main window's controls hold them:
// numbers as the text typed (never parsed or reformatted), lists as the
// selected index. Also the fixed lists, the key filter and the input limits.
#include "designer/BoxBehaviour.h"

#include <QString>
#include <QStringList>
#include <optional>

struct WispletSettings {
    QString width = QStringLiteral("100");
    QString height = QStringLiteral("100");
    QString padIn = QStringLiteral("0");
    QString padOut = QStringLiteral("0");
    QString borderWidth = QStringLiteral("0");
    int borderStyle = 0; // index into borderStyles()
    QString borderColor = QStringLiteral("#FFFFFF");
    QString bgColor = QStringLiteral("#FFFFFF");
    int align = 0;       // index into alignments()
    int entrance = 0;    // index into entrances()
    QString waiting = QStringLiteral("2");
    int contentEntrance = 0; // index into contentEntrances()
    QString duration = QStringLiteral("1");
    QString contentHtml;
    int backCategory = 0;    // index into backCategories(); 0 = none chosen
    QString backImage;       // text of the selected WispletBackImage item ("None", a file name, or empty)
    bool autoPreview = false;
    BoxBehaviour behaviour; // how the exported box behaves for a visitor (Box Behaviour window)

    bool operator==(const WispletSettings&) const = default;

    // Item texts of the lists, in list order.
    static const QStringList& alignments();       // "Default", "Left", "Center", "Right"
    static const QStringList& borderStyles();     // "none", "solid", "dashed", "dotted", "double"
    static const QStringList& entrances();        // 3 items
    static const QStringList& contentEntrances(); // 62 items; item 60 is "Wheel Wipe " (trailing blank)
    static const QStringList& backCategories();   // "Choose Category", "images", "borders", "shapes", "personal"

    QString alignText() const;       // text of the selected alignment ("" when out of range)
    QString borderStyleText() const; // text of the selected border style ("" when out of range)
    // Category folder name, or nothing when index 0 / out of range.
    std::optional<QString> categoryName() const;
    // ".jpg" when a category is chosen and the picture is not "None", else "".
    QString backgroundSuffix() const;

    // Outer size of the box: side + 2 * (padIn + padOut + borderWidth), in
    // pixels. Nothing when a size text is empty or not a whole number.
    std::optional<long long> outerWidth() const;
    std::optional<long long> outerHeight() const;
};

// The key filter of every numeric box: digits (codes 48-57) and Backspace (8) pass.
constexpr bool numericKeyAllowed(int charCode) { return (charCode >= 48 && charCode <= 57) || charCode == 8; }

// Input limits of a numeric box: maximum length (0 = none) and spinner range.
struct NumericField {
    const char* box;     // objectName of the text box
    const char* spinner; // objectName of its spinner
    int maxLength;       // 0 = no limit
    int spinMin;
    int spinMax;
};
// The seven numeric boxes: WispletWidth, WispletHeight, WispletPadIn,
// WispletPadOut, WispletBorderWidth, WispletWaiting, ContentEntranceDur.
const NumericField (&numericFields())[7];
