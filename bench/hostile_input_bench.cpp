// Hostile input: a text of 1 KiB, 1 MiB or 10 MiB typed into every field
// without a maximum length of a window, then every button of that window,
// each after the fields are typed afresh, through the shell as the program
// runs them. The time per byte, per button, stays flat from 1 MiB to 10 MiB
// when every handler and every field update is linear in the text's length.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTAVRO_BUILD_DESKTOP=OFF
//   -DTAVRO_BUILD_TESTS=OFF cmake --build build-bench --target tavro_hostile_bench
//   build-bench/bin/tavro_hostile_bench
//
// The "per_byte" counter is the time of one button's run, field updates
// included, divided by the text's length.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/decimal_separator.h"
#include "core/window_model.h"
#include "support/fake_clipboard.h"
#include "support/fill_fields.h"
#include "support/null_window_system.h"
#include "support/repeated_text.h"
#include "support/window_table.h"
#include "ui/shell/shell.h"

namespace {

using tavro::DecimalSeparator;
using tavro::TextField;
using tavro::WindowModel;

// `piece` repeated to exactly `length` bytes.
std::string RepeatedExactly(std::string_view piece, std::size_t length) {
  return tavro::support::Repeated(piece, length).substr(0, length);
}

// The kinds of text, each exactly `length` bytes long.
enum class Kind {
  Number,  // 1.000...05 between blanks: reads as 1, so every formula computes
  Digits,  // a number far beyond the doubles: every reading overflows
  Mixed,   // Cyrillic, emoji, control characters and pieces of numbers
};

std::string TextOf(Kind kind, std::size_t length) {
  switch (kind) {
    case Kind::Number: {
      const std::size_t blanks = length / 10;
      return std::string(blanks, ' ') + "1." + std::string(length - 2 * blanks - 3, '0') + "5" +
             std::string(blanks, ' ');
    }
    case Kind::Digits:
      return RepeatedExactly("1234567890", length);
    case Kind::Mixed:
      // 32 bytes, so that a repetition cut at a power of two ends on a whole character.
      return RepeatedExactly(
          "пет😀\t\x01 5,5E+-\xE2\x80\xAE"
          "1234567890",
          length);
  }
  return {};
}

void EveryButton(benchmark::State& state, std::string_view window_name, Kind kind) {
  const auto length = static_cast<std::size_t>(state.range(0));
  const std::string text = TextOf(kind, length);
  tavro::support::NullWindowSystem windows;
  tavro::support::FakeClipboard clipboard(text);  // Paste brings the same text
  tavro::shell::Shell shell(windows, DecimalSeparator::FullStop(), clipboard);
  shell.Start();
  shell.OpenWindow(window_name);
  WindowModel& window = *shell.Model(window_name);
  const std::vector<std::string> operations = window.OperationNames();

  for (auto _ : state) {
    for (const std::string& operation : operations) {
      tavro::support::FillFields(window, text, tavro::support::Retype::Always);
      shell.Invoke(window_name, operation);
    }
    benchmark::ClobberMemory();
  }
  const double runs = static_cast<double>(operations.size());
  state.counters["buttons"] = runs;
  state.counters["per_byte"] = benchmark::Counter(
      runs * static_cast<double>(length),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Typing alone: the field update every button run above starts with.
void TypeOnly(benchmark::State& state, Kind kind) {
  const auto length = static_cast<std::size_t>(state.range(0));
  const std::string text = TextOf(kind, length);
  TextField unlimited("Text1", std::nullopt);
  TextField limited("Text1", 20);
  for (auto _ : state) {
    unlimited.Type(text);
    limited.Type(text);
    benchmark::DoNotOptimize(unlimited.text().data());
    benchmark::DoNotOptimize(limited.text().data());
  }
  state.counters["per_byte"] = benchmark::Counter(
      static_cast<double>(length),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

constexpr std::int64_t kSizes[] = {1 << 10, 1 << 20, 10 << 20};

struct KindName {
  Kind kind;
  const char* name;
};
constexpr KindName kKinds[] = {
    {Kind::Number, "number"}, {Kind::Digits, "digits"}, {Kind::Mixed, "mixed"}};

const int kRegistered = [] {
  for (const KindName& kind : kKinds) {
    auto* type = benchmark::RegisterBenchmark((std::string("Type/") + kind.name).c_str(), TypeOnly,
                                              kind.kind);
    for (const std::int64_t size : kSizes) type->Arg(size);
    type->Unit(benchmark::kMicrosecond);
  }
  for (const std::string_view window : tavro::support::WindowNames()) {
    if (window == tavro::support::NameOf(tavro::shell::kHelpWindow)) continue;  // no buttons
    for (const KindName& kind : kKinds) {
      auto* every = benchmark::RegisterBenchmark((std::string(window) + "/" + kind.name).c_str(),
                                                 EveryButton, window, kind.kind);
      for (const std::int64_t size : kSizes) every->Arg(size);
      every->Unit(benchmark::kMillisecond);
    }
  }
  return 0;
}();

}  // namespace

BENCHMARK_MAIN();
