#pragma once

namespace tavro::toolkit {

// Whether the program has a display to open its windows on. Where it has none
// (started from an SSH terminal, a text console or a service, or with the
// display's server gone), this says so in one line on standard error, naming
// the variables it looked at, and returns false: the caller ends with status
// 1, where Qt would abort. `argc` and `argv` are the program's own, for Qt's
// options that choose the window system. Call it before the application
// object is made. Each platform has its own implementation file.
bool CanOpenWindows(int argc, char* argv[]);

}  // namespace tavro::toolkit
