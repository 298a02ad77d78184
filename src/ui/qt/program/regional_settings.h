#pragma once

#include <QLocale>

#include "core/decimal_separator.h"

namespace tavro::qt {

// The decimal separator of a locale: a comma where the locale uses one, a
// full stop for every other separator.
DecimalSeparator DecimalSeparatorOf(const QLocale& locale);

// The decimal separator of the user's regional settings.
DecimalSeparator SystemDecimalSeparator();

}  // namespace tavro::qt
