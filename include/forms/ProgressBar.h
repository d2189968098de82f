#pragma once

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
    ProgressBar();
    ~ProgressBar();

    long double value();
    /// Stores v, or the maximum when v is above it.
    long double value(long double v);
    long double valueMax();
    /// Lowers the value to m when it is above it.
    long double valueMax(long double m);
    unsigned precision();
    unsigned precision(unsigned decimals);
    ProgressBarStyle style();
    ProgressBarStyle style(ProgressBarStyle value);

    /// The text for the current style as a new string the caller deletes.
    [[nodiscard]] std::string* text();
    /// Stores `s` in the CustomText style; returns text() either way.
    [[nodiscard]] std::string* text(std::string s);

private:
    VESK_FORMS_LOCAL static int painter(int event, void* control);

    long double current = 0;
    long double maximum = DBL_MAX;
    unsigned decimals = 0;
    ProgressBarStyle barStyle = Percentage;
    std::string custom;
};

}  // namespace Forms
}  // namespace Vesk
