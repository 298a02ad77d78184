#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "window_watch.h"

namespace tavro::bench {

// One run of a program under test: started with this process's environment,
// its output discarded, and ended (SIGTERM, then SIGKILL) when the object goes.
class ProgramRun {
 public:
  explicit ProgramRun(const std::string& path);  // throws std::runtime_error
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  pid_t Pid() const { return pid_; }
  // Taken just before the program was executed.
  Clock::time_point Started() const { return started_; }
  // The process's peak resident memory so far (VmHWM), in KiB; nothing when
  // the process is gone.
  std::optional<long> PeakResidentKiB() const;

 private:
  pid_t pid_ = -1;
  Clock::time_point started_;
};

}  // namespace tavro::bench
