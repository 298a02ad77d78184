#pragma once

namespace tavro::toolkit {

// Lets a screen reader that starts after the program find it. Qt asks the
// accessibility bus once, when the program starts, whether a screen reader
// is on, and never again: a program started before the screen reader would
// stay unseen by it. So the program joins the accessibility bus whenever one
// runs (at start, or when it appears later), as other desktop programs do,
// and stays silent where none runs. Call before the application is created.
void StayVisibleToLaterScreenReaders();

}  // namespace tavro::toolkit
