// The contrast test behind the readable colours, and the palette changes that apply them.
#include "colours.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace pennix {

namespace {

// Relative luminance and contrast ratio as the web's accessibility guidelines define them; 3 is
// their least contrast for large text, which every text here is, or near enough.
constexpr double kLeastContrast = 3.0;

double Luminance(const QColor& colour) {
    const auto linear = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& first, const QColor& second) {
    // Not std::minmax: it would hand back references to the two luminances, gone by the return.
    const double one = Luminance(first);
    const double other = Luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

}  // namespace

QColor ReadableColour(const QColor& colour, const QColor& background, const QColor& fallback) {
    return Contrast(colour, background) >= kLeastContrast ? colour : fallback;
}

void FillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour, QPalette::ColorRole fallback) {
    QPalette palette = widget->palette();
    const QColor background = palette.color(widget->backgroundRole());
    palette.setColor(QPalette::WindowText,
                     ReadableColour(colour, background, palette.color(fallback)));
    widget->setPalette(palette);
}

}  // namespace pennix
