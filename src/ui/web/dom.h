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
void SetStyle(val& element, std::string_view property, std::string_view value);
void SetText(val& element, std::string_view text);

// "12px".
std::string Px(int pixels);
// The CSS colour of a layout colour: #RRGGBB, the CSS variable of a system
// colour role, or `fallback` for the control's default.
std::string CssColourOf(const layout::Colour& colour, std::string_view fallback);

// HTML written as text, so that the browser parses a whole window at once
// instead of being called for every element and attribute. Texts and
// attribute values are escaped; only the program's own texts (captions,
// tooltips, names) are written, never what the user typed.
class Markup {
 public:
  // "<tag": attributes follow, then EndTag or SelfClose.
  Markup& Open(std::string_view tag);
  Markup& Attribute(std::string_view name, std::string_view value);
  Markup& Flag(std::string_view name);  // an attribute without a value
  Markup& EndTag();                     // ">"
  Markup& SelfClose();                  // "/>" (SVG)
  Markup& Text(std::string_view text);
  Markup& Close(std::string_view tag);  // "</tag>"
  // Markup of the program's own, written as it is (the pictures).
  Markup& Verbatim(std::string_view markup);
  // A caption with its access key underlined: "&Options" gives
  // "<u>O</u>ptions"; returns the key (upper case), or 0.
  char Caption(std::string_view caption);

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The elements of a markup text, parsed by the browser; the first of them.
val ElementOf(const std::string& markup);

}  // namespace tavro::web
