#pragma once

#include <algorithm>
#include <vector>

namespace tavro::bench {

// The value below which the given fraction of the samples lie, interpolated
// between neighbours; 0.5 gives the median. Needs at least one sample.
inline double Quantile(std::vector<double> samples, double fraction) {
  std::sort(samples.begin(), samples.end());
  const double position = fraction * static_cast<double>(samples.size() - 1);
  const auto below = static_cast<std::size_t>(position);
  if (below + 1 >= samples.size()) return samples.back();
  const double weight = position - static_cast<double>(below);
  return samples[below] * (1.0 - weight) + samples[below + 1] * weight;
}

inline double Median(const std::vector<double>& samples) { return Quantile(samples, 0.5); }

}  // namespace tavro::bench
