#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "ui/layout/window_layout.h"

// Small helpers over the page's document, through emscripten::val.
namespace tavro::web {

using emscripten::val;

val Document();
val ById(std::string_view id);
// A new element; its id and class when given.
val Create(std::string_view tag, std::string_view id = {}, std::string_view class_name = {});
val CreateSvg(std::string_view tag);
void SetAttribute(val& element, std::string_view name, std::string_view value);
void SetStyle(val& element, std::string_view property, std::string_view value);
void SetText(val& element, std::string_view text);
void Append(val& parent, val child);

// "12px".
std::string Px(int pixels);
// The CSS colour of a layout colour: #RRGGBB, the CSS variable of a system
// colour role, or `fallback` for the control's default.
std::string CssColourOf(const layout::Colour& colour, std::string_view fallback);

// A caption with its access key underlined: "&Options" gives "<u>O</u>ptions"
// as elements appended to `parent` (never as markup); returns the key, or 0.
char AppendCaption(val& parent, std::string_view caption);

}  // namespace tavro::web
