#pragma once

namespace tavro::qt {

// Held while the application object is made, which is where Qt opens the
// display. Qt's messages meanwhile are held back; should Qt give up (it could
// not open the display even though the display check found it), the program
// says so in one line on standard error, as the display check does, and ends
// with status 1 instead of aborting. End() (or the end of its scope) hands the
// messages held back to Qt's own handler and puts that handler back.
class StartFailureEndsQuietly {
 public:
  StartFailureEndsQuietly();
  ~StartFailureEndsQuietly();
  StartFailureEndsQuietly(const StartFailureEndsQuietly&) = delete;
  StartFailureEndsQuietly& operator=(const StartFailureEndsQuietly&) = delete;

  void End();
};

}  // namespace tavro::qt
