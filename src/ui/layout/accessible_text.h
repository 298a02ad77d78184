#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout/window_layout.h"

namespace tavro::layout {

// What a screen reader announces for a control or a window, derived from the
// window's layout alone, so that every window is described by the same rules:
//
// - A button is named by its caption, without the "&" of an access key; a
//   picture button, which has no caption, by its tooltip. Its description is
//   its tooltip. A button without a tooltip whose caption recurs in its window
//   (three "MEM" buttons, two "ANSWER" buttons) is described by what it works
//   on: the field of its row when the row has one field, otherwise the row
//   ("Row 2"). The row of a button is the row of fields level with it, or the
//   nearest row above it.
// - A field is named and described by its tooltip. A field without one is
//   named by its place: its row of fields and its role in that row, counted
//   from the left ("Row 1, operand 2"): a one-character field is an operator,
//   a field right after an "=" label is the result, any other an operand. It
//   is described by its whole row as it reads, labels by their captions and
//   fields by their roles ("( operand 1 operator 1 operand 2 ) ... = result").
// - A label is named by its caption, exactly as it reads; it has no
//   description.
// - Lines are a drawing and have no accessible text at all.
//
// Rows of fields are the fields level with one another: a field belongs to a
// row when its vertical extent overlaps the row's. They are numbered from the
// top.
struct AccessibleText {
  std::string name;
  std::string description;
  friend bool operator==(const AccessibleText&, const AccessibleText&) = default;
};

AccessibleText AccessibleTextOf(const WindowLayout& window, const Button& button);
AccessibleText AccessibleTextOf(const WindowLayout& window, const Field& field);
AccessibleText AccessibleTextOf(const WindowLayout& window, const Label& label);

// A window is named by its title. A window with an empty title is named as
// the menus of the other windows name it where they switch to it: by the
// first of `switching_captions`, the captions of those menu entries, without
// the "&" of the access key; failing that, by its own name.
std::string AccessibleNameOf(const WindowLayout& window,
                             std::span<const std::string_view> switching_captions);

// The field a label names, if any: a label whose caption has a letter ("A",
// "hA") names the field that starts to its right and is most nearly level
// with it. Captions of signs alone ("(", ")", "=", "=>") are part of what a row
// reads, not names. A screen reader announces such a field with its label.
const Field* FieldNamedBy(const WindowLayout& window, const Label& label);

// A window with nothing that takes the focus and no menu (the Help window) is
// read whole when it opens: to a screen reader it is a dialog whose labels
// are its message.
bool ReadWholeWhenOpened(const WindowLayout& window);

// What is announced after a button's handler changed fields: each changed
// field by its accessible name and its new text ("ОТГОВОР 5"), an emptied
// field as blank, in the order given, separated by commas.
struct ChangedField {
  std::string name;
  std::string text;
};
std::string AnnouncementOf(const std::vector<ChangedField>& changed);

// A caption as shown: "&" marks the next letter as the access key and is not
// shown; "&&" shows one "&".
std::string WithoutAccessKey(std::string_view caption);

}  // namespace tavro::layout
