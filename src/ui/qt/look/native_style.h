#pragma once

namespace tavro::qt {

// Makes the program's style the application's, once: the platform's own (or
// the user's -style), whose menu-bar arrow picture is made only when first
// drawn, and Qt's classic style instead wherever the platform's cannot show
// the colour scheme, decided anew whenever the scheme changes.
void UseProgramStyle();

}  // namespace tavro::qt
