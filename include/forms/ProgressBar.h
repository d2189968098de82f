#pragma once

/// @file
/// A progress bar.

#include <cfloat>
#include <string>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A row of blocks showing a value against a maximum, filled cells in the
/// border colour and the rest in the background colour, with a text centred
/// over it. Never takes the focus.
class VESK_FORMS_API ProgressBar : public Control {
public:
    /// A bar at 0 of DBL_MAX in the Percentage style with no decimals:
    /// BrightGreen filled cells, BrightWhite text and empty cells. Give it a
    /// width (columns) and a height (rows) before painting.
    ProgressBar();
    /// Destroys the bar (see Control::~Control).
    ~ProgressBar();

    /// The value shown.
    long double value();
    /// Stores v, or the maximum when v is above it; returns what was stored.
    long double value(long double v);
    /// The maximum: the value of a full bar.
    long double valueMax();
    /// Stores the maximum m and returns it. Lowers the value to m when it is
    /// above it.
    long double valueMax(long double m);
    /// The decimals of the Percentage text.
    unsigned precision();
    /// Stores the decimals of the Percentage text (at most 4096 are shown)
    /// and returns them.
    unsigned precision(unsigned decimals);
    /// Which text the bar shows.
    ProgressBarStyle style();
    /// Stores the style of the text and returns it.
    ProgressBarStyle style(ProgressBarStyle value);

    /// The text for the current style as a new string the caller deletes.
    [[nodiscard]] std::string* text();
    /// Stores `s` in the CustomText style; returns text() either way.
    [[nodiscard]] std::string* text(std::string s);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);

    long double current = 0;
    long double maximum = DBL_MAX;
    unsigned decimals = 0;
    ProgressBarStyle barStyle = Percentage;
    std::string custom;
};

}  // namespace Forms
}  // namespace Vesk
