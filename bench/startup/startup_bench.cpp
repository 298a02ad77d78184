// Start-up, mode-switch and memory figures of Tavro beside a bare Qt program.
//
//   tavro_startup_bench --tavro PATH --floor PATH [--runs N] [--samples FILE] [--cold-switch]
//
// Starts its own X server (Xvfb, no window manager) and runs the two programs
// alternately, N times each after one unmeasured run of each. For every run
// it measures, through X map notices:
//   - start-up: from just before the program is executed to its first
//     top-level window being mapped;
//   - peak resident memory (VmHWM) once the window has been shown and drawn;
//   - switch: from Ctrl+T typed into that window to the next top-level window
//     of the program being mapped (Tavro's Triangle window; the floor's second
//     window). An End key typed first stands for the typing a user does
//     before switching; --cold-switch leaves it out, so that Ctrl+T is the
//     first key the program sees.
// Prints a Markdown table of the medians and their ratios, and with --samples
// writes every sample as CSV.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "program_run.h"
#include "statistics.h"
#include "window_watch.h"
#include "x_server.h"

namespace tavro::bench {
namespace {

// Time for the window to be drawn and to settle before its memory is read.
constexpr std::chrono::milliseconds kSettle{300};
// Time for the window to take the keyboard focus before the key is typed.
constexpr std::chrono::milliseconds kFocusSettle{100};
constexpr std::chrono::seconds kTimeout{10};
// X keysyms: End (harmless in an empty field) and the letter t.
constexpr xcb_keysym_t kEndKey = 0xff57;
constexpr xcb_keysym_t kLetterT = 0x74;

struct Options {
  std::string tavro;
  std::string floor;
  int runs = 30;
  std::string samples;
  bool cold_switch = false;
};

struct Sample {
  double startup_ms = 0;
  double peak_mib = 0;
  double switch_ms = 0;
};

struct Series {
  std::string name;
  std::string path;
  std::vector<Sample> samples;

  std::vector<double> Of(double Sample::*figure) const {
    std::vector<double> values;
    for (const Sample& sample : samples) values.push_back(sample.*figure);
    return values;
  }
  double MedianOf(double Sample::*figure) const { return Median(Of(figure)); }
};

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

Sample Measure(WindowWatch& watch, const std::string& path, bool cold_switch) {
  watch.Drain();
  ProgramRun run(path);
  const auto first = watch.WaitForMap(run.Pid(), XCB_WINDOW_NONE, Clock::now() + kTimeout);
  if (!first) throw std::runtime_error(path + " showed no window");
  Sample sample;
  sample.startup_ms = Milliseconds(first->at - run.Started());

  std::this_thread::sleep_for(kSettle);
  const auto peak = run.PeakResidentKiB();
  if (!peak) throw std::runtime_error(path + " ended after showing its window");
  sample.peak_mib = static_cast<double>(*peak) / 1024.0;

  watch.Focus(first->window);
  std::this_thread::sleep_for(kFocusSettle);
  if (!cold_switch) {
    // The first key of a session makes Qt load its compose table (a few
    // milliseconds in either program); a user has typed before switching.
    watch.Press(kEndKey, false);
    std::this_thread::sleep_for(kFocusSettle);
  }
  const Clock::time_point typed = watch.Press(kLetterT, true);
  const auto second = watch.WaitForMap(run.Pid(), first->window, Clock::now() + kTimeout);
  if (!second) throw std::runtime_error(path + " showed no second window on Ctrl+T");
  sample.switch_ms = Milliseconds(second->at - typed);
  return sample;
}

Options Parse(int argc, char* argv[]) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::runtime_error(word + " needs a value");
      return argv[++i];
    };
    if (word == "--tavro") {
      options.tavro = value();
    } else if (word == "--floor") {
      options.floor = value();
    } else if (word == "--runs") {
      options.runs = std::stoi(value());
    } else if (word == "--samples") {
      options.samples = value();
    } else if (word == "--cold-switch") {
      options.cold_switch = true;
    } else {
      throw std::runtime_error("unknown option " + word);
    }
  }
  if (options.tavro.empty() || options.floor.empty() || options.runs < 1)
    throw std::runtime_error(
        "usage: tavro_startup_bench --tavro PATH --floor PATH [--runs N] [--samples FILE] "
        "[--cold-switch]");
  return options;
}

void WriteSamples(const std::string& file, const std::vector<Series>& all) {
  std::ofstream out(file);
  out << "program,run,startup_ms,peak_mib,switch_ms\n";
  for (const Series& series : all)
    for (std::size_t i = 0; i < series.samples.size(); ++i)
      out << series.name << ',' << i + 1 << ',' << series.samples[i].startup_ms << ','
          << series.samples[i].peak_mib << ',' << series.samples[i].switch_ms << '\n';
}

void PrintTable(const Series& tavro, const Series& floor, int runs) {
  const double startup_t = tavro.MedianOf(&Sample::startup_ms);
  const double startup_f = floor.MedianOf(&Sample::startup_ms);
  const double peak_t = tavro.MedianOf(&Sample::peak_mib);
  const double peak_f = floor.MedianOf(&Sample::peak_mib);
  const double switch_t = tavro.MedianOf(&Sample::switch_ms);
  const double switch_f = floor.MedianOf(&Sample::switch_ms);
  const auto met = [](bool ok) { return ok ? "yes" : "**no**"; };

  std::printf("| Median of %d runs each | Tavro | Floor | Tavro against floor | Goal | Met |\n",
              runs);
  std::printf("|---|---:|---:|---:|---:|---|\n");
  std::printf(
      "| Start-up: exec to first window mapped | %.1f ms | %.1f ms | %.2fx | at most 1.10x | %s "
      "|\n",
      startup_t, startup_f, startup_t / startup_f, met(startup_t <= 1.10 * startup_f));
  std::printf(
      "| Peak resident memory once shown | %.1f MiB | %.1f MiB | %+.1f MiB | at most +2 MiB | %s "
      "|\n",
      peak_t, peak_f, peak_t - peak_f, met(peak_t <= peak_f + 2.0));
  std::printf(
      "| Ctrl+T to the next window mapped | %.1f ms | %.1f ms | %.2fx | at most 1.50x | %s |\n",
      switch_t, switch_f, switch_t / switch_f, met(switch_t <= 1.5 * switch_f));
  std::fflush(stdout);

  // The spread, for judging the medians, on the error stream.
  for (const Series* series : {&tavro, &floor}) {
    const auto startup = series->Of(&Sample::startup_ms);
    const auto switches = series->Of(&Sample::switch_ms);
    std::fprintf(
        stderr,
        "%s: start-up quartiles %.1f / %.1f / %.1f ms, switch quartiles %.1f / %.1f / %.1f ms\n",
        series->name.c_str(), Quantile(startup, 0.25), Median(startup), Quantile(startup, 0.75),
        Quantile(switches, 0.25), Median(switches), Quantile(switches, 0.75));
  }
}

int Run(int argc, char* argv[]) {
  const Options options = Parse(argc, argv);
  XServer server;
  // Both programs see the same environment: this display, and Qt's own choice
  // of platform plugin.
  setenv("DISPLAY", server.Display().c_str(), 1);
  unsetenv("QT_QPA_PLATFORM");
  WindowWatch watch(server.Display());

  Series tavro{"tavro", options.tavro, {}};
  Series floor{"floor", options.floor, {}};
  // One unmeasured run each fills the file caches.
  Measure(watch, tavro.path, options.cold_switch);
  Measure(watch, floor.path, options.cold_switch);
  for (int i = 0; i < options.runs; ++i) {
    // ABBA order, so neither program always runs right after the other.
    Series& one = i % 2 == 0 ? tavro : floor;
    Series& other = i % 2 == 0 ? floor : tavro;
    one.samples.push_back(Measure(watch, one.path, options.cold_switch));
    other.samples.push_back(Measure(watch, other.path, options.cold_switch));
  }
  if (!options.samples.empty()) WriteSamples(options.samples, {tavro, floor});
  PrintTable(tavro, floor, options.runs);
  return 0;
}

}  // namespace
}  // namespace tavro::bench

int main(int argc, char* argv[]) {
  try {
    return tavro::bench::Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "tavro_startup_bench: " << error.what() << '\n';
    return 1;
  }
}
