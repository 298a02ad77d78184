#include "ui/toolkit/regional_settings.h"

namespace tavro::toolkit {

DecimalSeparator DecimalSeparatorOf(const QLocale& locale) {
  return locale.decimalPoint() == QStringLiteral(",") ? DecimalSeparator::Comma()
                                                      : DecimalSeparator::FullStop();
}

DecimalSeparator SystemDecimalSeparator() { return DecimalSeparatorOf(QLocale::system()); }

}  // namespace tavro::toolkit
