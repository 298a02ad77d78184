#pragma once

#include <utility>

#include "core/failure.h"

namespace tavro {

// One run of a button's handler, statement by statement. Error skipping is
// off when the run starts. Once armed, a statement that fails is abandoned
// where it failed, so its store never happens and its target keeps what it
// held, and the run goes on with the next statement. Nothing records the
// failure. A handler reads as its list of statements:
//
//   HandlerRun run;
//   run([&] { first.Store(text1.text()); });   // unprotected
//   run.ArmErrorSkipping();
//   run([&] { answer.Store(Add(...)); });      // may fail: skipped
//   run([&] { Write(text3, answer.AsText(separator())); });
class HandlerRun {
 public:
  void ArmErrorSkipping() { armed_ = true; }
  bool armed() const { return armed_; }

  template <class Statement>
  void operator()(Statement&& statement) {
    if (!armed_) {
      std::forward<Statement>(statement)();
      return;
    }
    try {
      std::forward<Statement>(statement)();
    } catch (const Failure&) {
      // Abandoned: the statement stored nothing.
    }
  }

 private:
  bool armed_ = false;
};

}  // namespace tavro
