// Speed of the core's number reading and writing, each beside the standard
// conversion it is built on (its floor), on one fixed set of numbers; and how
// the time to read a text grows with the text's length.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/number_text.h"

namespace tavro {
namespace {

constexpr DecimalSeparator kFullStop = DecimalSeparator::FullStop();
constexpr DecimalSeparator kComma = DecimalSeparator::Comma();

// splitmix64: a fixed sequence, the same on every machine and every run.
class Sequence {
 public:
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint64_t Below(std::uint64_t bound) { return Next() % bound; }

 private:
  std::uint64_t state_ = 20240229;
};

double ReadWithFromChars(std::string_view text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The double nearest to mantissa times ten to the exponent.
double FromMantissaAndExponent(std::uint64_t mantissa, int exponent) {
  return ReadWithFromChars(std::to_string(mantissa) + "e" + std::to_string(exponent));
}

// The numbers, and their texts as the program writes them under each
// separator. Four kinds in turn, every second one of each kind negative:
//   short integers (0 to 99999);
//   15-digit fractions, from 0.123456789012345 to 12345678901234.5;
//   quotients of small integers, which need rounding to 15 digits (2/3);
//   exponent forms, 1 to 6 digits times a power of ten beyond the plain range.
struct Inputs {
  std::vector<double> numbers;
  std::vector<std::string> full_stop_texts;
  std::vector<std::string> comma_texts;
};

constexpr std::size_t kInputCount = 1000;

Inputs MakeInputs() {
  Sequence sequence;
  Inputs inputs;
  for (std::size_t i = 0; i < kInputCount; ++i) {
    double x = 0.0;
    switch (i % 4) {
      case 0:
        x = static_cast<double>(sequence.Below(100000));
        break;
      case 1: {
        const std::uint64_t fifteen_digits =
            100000000000000ull + sequence.Below(900000000000000ull);
        x = FromMantissaAndExponent(fifteen_digits, -1 - static_cast<int>(sequence.Below(15)));
        break;
      }
      case 2:
        x = static_cast<double>(1 + sequence.Below(1000)) /
            static_cast<double>(1 + sequence.Below(1000));
        break;
      default: {
        static constexpr std::uint64_t kPowers[] = {10, 100, 1000, 10000, 100000, 1000000};
        const std::uint64_t mantissa = 1 + sequence.Below(kPowers[sequence.Below(6)]);
        const int power = static_cast<int>(16 + sequence.Below(280));
        x = FromMantissaAndExponent(mantissa, sequence.Below(2) == 0 ? power : -power);
        break;
      }
    }
    if ((i / 4) % 2 == 1) x = -x;
    inputs.numbers.push_back(x);
    inputs.full_stop_texts.push_back(TextFromNumber(x, kFullStop));
    inputs.comma_texts.push_back(TextFromNumber(x, kComma));
  }
  return inputs;
}

const Inputs& TheInputs() {
  static const Inputs inputs = MakeInputs();
  return inputs;
}

const std::vector<std::string>& TextsFor(DecimalSeparator separator) {
  return separator == kComma ? TheInputs().comma_texts : TheInputs().full_stop_texts;
}

// Both readers must agree on every text, or the comparison means nothing.
bool ReadersAgree(DecimalSeparator separator) {
  const auto& ours = TextsFor(separator);
  const auto& floor = TheInputs().full_stop_texts;
  for (std::size_t i = 0; i < ours.size(); ++i) {
    const CheckedNumber number = NumberFromText(ours[i], separator);
    if (!number.ok() || number.value() != ReadWithFromChars(floor[i])) return false;
  }
  return true;
}

void CountItems(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kInputCount));
}

// --- text to number ---------------------------------------------------------

void NumberFromTextSet(benchmark::State& state, DecimalSeparator separator) {
  if (!ReadersAgree(separator)) {
    state.SkipWithError("NumberFromText and std::from_chars disagree on the inputs");
    return;
  }
  const auto& texts = TextsFor(separator);
  for (auto _ : state) {
    for (const std::string& text : texts) {
      CheckedNumber number = NumberFromText(text, separator);
      benchmark::DoNotOptimize(number);
    }
  }
  CountItems(state);
}
BENCHMARK_CAPTURE(NumberFromTextSet, full_stop, kFullStop);
BENCHMARK_CAPTURE(NumberFromTextSet, comma, kComma);

void FromCharsFloor(benchmark::State& state) {
  const auto& texts = TheInputs().full_stop_texts;
  for (auto _ : state) {
    for (const std::string& text : texts) {
      double value = 0.0;
      auto result = std::from_chars(text.data(), text.data() + text.size(), value);
      benchmark::DoNotOptimize(result);
      benchmark::DoNotOptimize(value);
    }
  }
  CountItems(state);
}
BENCHMARK(FromCharsFloor);

// --- number to text ---------------------------------------------------------

void TextFromNumberSet(benchmark::State& state, DecimalSeparator separator) {
  const auto& numbers = TheInputs().numbers;
  for (auto _ : state) {
    for (double x : numbers) {
      std::string text = TextFromNumber(x, separator);
      benchmark::DoNotOptimize(text);
    }
  }
  CountItems(state);
}
BENCHMARK_CAPTURE(TextFromNumberSet, full_stop, kFullStop);
BENCHMARK_CAPTURE(TextFromNumberSet, comma, kComma);

void ToCharsFloor(benchmark::State& state) {
  const auto& numbers = TheInputs().numbers;
  std::array<char, 32> buffer;
  for (auto _ : state) {
    for (double x : numbers) {
      auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                  std::chars_format::general, kSignificantDigits);
      benchmark::DoNotOptimize(result);
      benchmark::DoNotOptimize(buffer);
    }
  }
  CountItems(state);
}
BENCHMARK(ToCharsFloor);

// --- text to number to text -------------------------------------------------

void RoundTripSet(benchmark::State& state, DecimalSeparator separator) {
  const auto& texts = TextsFor(separator);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (TextFromNumber(NumberFromText(texts[i], separator).value(), separator) != texts[i]) {
      state.SkipWithError("a text did not come back as it was written");
      return;
    }
  }
  for (auto _ : state) {
    for (const std::string& text : texts) {
      std::string again = TextFromNumber(NumberFromText(text, separator).value(), separator);
      benchmark::DoNotOptimize(again);
    }
  }
  CountItems(state);
}
BENCHMARK_CAPTURE(RoundTripSet, full_stop, kFullStop);
BENCHMARK_CAPTURE(RoundTripSet, comma, kComma);

void RoundTripFloor(benchmark::State& state) {
  const auto& texts = TheInputs().full_stop_texts;
  std::array<char, 32> buffer;
  for (auto _ : state) {
    for (const std::string& text : texts) {
      double value = 0.0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                  std::chars_format::general, kSignificantDigits);
      benchmark::DoNotOptimize(result);
      benchmark::DoNotOptimize(buffer);
    }
  }
  CountItems(state);
}
BENCHMARK(RoundTripFloor);

// --- long texts -------------------------------------------------------------
// Reading must take time in proportion to the text's length, whether the text
// is a number or not: a megabyte pasted into a field may not stall the window.

enum class LongText {
  OneThenZeros,        // "1000...0": too large, rejected with overflow
  DigitsThenLetter,    // "999...9x": rejected
  Blanks,              // "   ...   ": rejected
  OnePointZeros,       // "1.000...0" (with the separator): accepted, 1
  BlanksAroundNumber,  // "   ...12.5...   " (with the separator): accepted
  TinyFraction,        // "0.000...01": accepted, rounds to 0
};

std::string MakeLongText(LongText kind, std::size_t size, DecimalSeparator separator) {
  const char point = separator.symbol;
  std::string text;
  text.reserve(size);
  switch (kind) {
    case LongText::OneThenZeros:
      text.append(1, '1').append(size - 1, '0');
      break;
    case LongText::DigitsThenLetter:
      text.append(size - 1, '9').append(1, 'x');
      break;
    case LongText::Blanks:
      text.append(size, ' ');
      break;
    case LongText::OnePointZeros:
      text.append(1, '1').append(1, point).append(size - 2, '0');
      break;
    case LongText::BlanksAroundNumber: {
      constexpr std::size_t kNumberSize = 4;  // 12.5
      const std::size_t before = (size - kNumberSize) / 2;
      text.append(before, ' ').append("12").append(1, point).append("5");
      text.append(size - kNumberSize - before, ' ');
      break;
    }
    case LongText::TinyFraction:
      text.append(1, '0').append(1, point).append(size - 3, '0').append(1, '1');
      break;
  }
  return text;
}

bool IsAccepted(LongText kind) {
  return kind == LongText::OnePointZeros || kind == LongText::BlanksAroundNumber ||
         kind == LongText::TinyFraction;
}

void NumberFromLongText(benchmark::State& state, LongText kind, DecimalSeparator separator) {
  const auto size = static_cast<std::size_t>(state.range(0));
  const std::string text = MakeLongText(kind, size, separator);
  if (text.size() != size || NumberFromText(text, separator).ok() != IsAccepted(kind)) {
    state.SkipWithError("the long text is not what it claims to be");
    return;
  }
  state.SetLabel(IsAccepted(kind) ? "accepted" : "rejected");
  for (auto _ : state) {
    CheckedNumber number = NumberFromText(text, separator);
    benchmark::DoNotOptimize(number);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void LongTextSizes(benchmark::internal::Benchmark* b) {
  b->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(NumberFromLongText, one_then_zeros, LongText::OneThenZeros, kFullStop)
    ->Apply(LongTextSizes);
BENCHMARK_CAPTURE(NumberFromLongText, digits_then_letter, LongText::DigitsThenLetter, kFullStop)
    ->Apply(LongTextSizes);
BENCHMARK_CAPTURE(NumberFromLongText, blanks, LongText::Blanks, kFullStop)->Apply(LongTextSizes);
BENCHMARK_CAPTURE(NumberFromLongText, one_point_zeros, LongText::OnePointZeros, kFullStop)
    ->Apply(LongTextSizes);
BENCHMARK_CAPTURE(NumberFromLongText, one_point_zeros_comma, LongText::OnePointZeros, kComma)
    ->Apply(LongTextSizes);
BENCHMARK_CAPTURE(NumberFromLongText, blanks_around_number, LongText::BlanksAroundNumber, kFullStop)
    ->Apply(LongTextSizes);
BENCHMARK_CAPTURE(NumberFromLongText, tiny_fraction, LongText::TinyFraction, kFullStop)
    ->Apply(LongTextSizes);
BENCHMARK_CAPTURE(NumberFromLongText, tiny_fraction_comma, LongText::TinyFraction, kComma)
    ->Apply(LongTextSizes);

}  // namespace
}  // namespace tavro

BENCHMARK_MAIN();
