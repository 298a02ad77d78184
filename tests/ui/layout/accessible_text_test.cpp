// What a screen reader is told that follows from a layout alone. How the
// built windows and controls tell it is tested with the toolkit.
#include "ui/layout/accessible_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tavro::layout {
namespace {

TEST(AccessibleText, AnnouncementNamesTheChangedFields) {
  const struct {
    std::vector<ChangedField> changed;
    std::string announced;
  } cases[] = {
      {{{"ОТГОВОР", "5"}}, "ОТГОВОР 5"},
      {{{"ПЪРВО ЧИСЛО", "5"}, {"ОТГОВОР", ""}}, "ПЪРВО ЧИСЛО 5, ОТГОВОР blank"},
  };
  for (const auto& c : cases) EXPECT_EQ(AnnouncementOf(c.changed), c.announced);
}

TEST(AccessibleText, CaptionsWithoutAccessKeys) {
  const struct {
    std::string_view caption, shown;
  } cases[] = {
      {"&Exit", "Exit"}, {"Send top", "Send top"}, {"A && B", "A & B"},
      {"Exit&", "Exit"}, {"&Изход", "Изход"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithoutAccessKey(c.caption), c.shown) << c.caption;
}

TEST(AccessibleText, AWindowIsNamedByItsTitleElseByTheMenusThatOpenItElseByItsName) {
  WindowLayout titled;
  titled.name = "Form9";
  titled.title = "Triangle";
  WindowLayout bare;
  bare.name = "Form9";
  const std::vector<std::string_view> captions{"&Paralelepiped", "&Function"};
  EXPECT_EQ(AccessibleNameOf(titled, captions), "Triangle");
  EXPECT_EQ(AccessibleNameOf(bare, captions), "Paralelepiped");
  EXPECT_EQ(AccessibleNameOf(bare, {}), "Form9");
}

}  // namespace
}  // namespace tavro::layout
