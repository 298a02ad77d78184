#pragma once

#include <QPalette>
#include <QString>

namespace tavro::toolkit {

// Whether the style of the given name shows the palette's colours on the
// faces it draws. Windows' themed style ("windowsvista") draws button faces
// and the menu bar from the visual style's own pictures, light ones, with the
// palette's text on them: under a high-contrast scheme, or any scheme of light
// text on dark faces, its captions would vanish. Where this is false the
// program draws with Qt's classic style instead, which paints every face in
// the palette's colours. Each platform has its own implementation file.
bool StyleShowsScheme(const QString& style, const QPalette& palette);

}  // namespace tavro::toolkit
