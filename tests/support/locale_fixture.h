#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/decimal_separator.h"
#include "support/separator_texts.h"

namespace tavro::support {

// A test run once under each locale, its parameter the locale's decimal
// separator. Header-only; its users link GoogleTest. Instantiate it with
//   INSTANTIATE_TEST_SUITE_P(Locales, MyTest, support::BothLocales(), support::LocaleNameOf);
class LocaleTest : public ::testing::TestWithParam<DecimalSeparator> {
 protected:
  // A number text with the locale's separator ("." written in a case stands
  // for it).
  std::string Local(std::string text) const { return WithSeparator(std::move(text), GetParam()); }
  // The separator of the other locale.
  char Foreign() const { return OtherSeparator(GetParam()); }
};

// English (the full stop) and Bulgarian (the comma).
inline auto BothLocales() {
  return ::testing::Values(DecimalSeparator::FullStop(), DecimalSeparator::Comma());
}

// "en" or "bg", the name of each instance.
inline std::string LocaleNameOf(const ::testing::TestParamInfo<DecimalSeparator>& info) {
  return LocaleName(info.param);
}

}  // namespace tavro::support
