#include "ui/qt/program/regional_settings.h"

namespace tavro::qt {

DecimalSeparator DecimalSeparatorOf(const QLocale& locale) {
  return locale.decimalPoint() == QStringLiteral(",") ? DecimalSeparator::Comma()
                                                      : DecimalSeparator::FullStop();
}

DecimalSeparator SystemDecimalSeparator() { return DecimalSeparatorOf(QLocale::system()); }

}  // namespace tavro::qt
