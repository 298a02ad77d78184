#include "ui/layout/accessible_text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavro::layout {

namespace {

int Bottom(const Rect& rect) { return rect.top + rect.height; }

bool Level(const Rect& rect, int top, int bottom) {
  return rect.top < bottom && top < Bottom(rect);
}

// Fields level with one another, left to right.
struct Row {
  int top = 0;
  int bottom = 0;
  std::vector<const Field*> fields;
};

std::vector<Row> RowsOf(const WindowLayout& window) {
  std::vector<const Field*> fields;
  for (const Field& field : window.fields) fields.push_back(&field);
  std::stable_sort(fields.begin(), fields.end(),
                   [](const Field* a, const Field* b) { return a->rect.top < b->rect.top; });
  std::vector<Row> rows;
  for (const Field* field : fields) {
    if (!rows.empty() && Level(field->rect, rows.back().top, rows.back().bottom)) {
      rows.back().bottom = std::max(rows.back().bottom, Bottom(field->rect));
      rows.back().fields.push_back(field);
    } else {
      rows.push_back({field->rect.top, Bottom(field->rect), {field}});
    }
  }
  for (Row& row : rows)
    std::stable_sort(row.fields.begin(), row.fields.end(),
                     [](const Field* a, const Field* b) { return a->rect.left < b->rect.left; });
  return rows;
}

std::string RowName(std::size_t index) { return "Row " + std::to_string(index + 1); }

// What a row shows from left to right: its fields, each with its role, and
// the labels level with them.
struct Part {
  const Label* label = nullptr;
  const Field* field = nullptr;
  std::string role;  // of a field
};

std::vector<Part> PartsOf(const WindowLayout& window, const Row& row) {
  std::vector<std::pair<int, Part>> placed;
  for (const Label& label : window.labels)
    if (Level(label.rect, row.top, row.bottom))
      placed.push_back({label.rect.left, Part{&label, nullptr, {}}});
  for (const Field* field : row.fields)
    placed.push_back({field->rect.left, Part{nullptr, field, {}}});
  // A label and a field that start together read label first.
  std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first < b.first;
    return a.second.label && !b.second.label;
  });

  std::vector<Part> parts;
  int operands = 0;
  int operators = 0;
  for (auto& [left, part] : placed) {
    if (part.field) {
      const bool after_equals =
          !parts.empty() && parts.back().label && parts.back().label->caption == "=";
      if (part.field->max_length == 1)
        part.role = "operator " + std::to_string(++operators);
      else if (after_equals)
        part.role = "result";
      else
        part.role = "operand " + std::to_string(++operands);
    }
    parts.push_back(std::move(part));
  }
  return parts;
}

std::string ReadingOf(const std::vector<Part>& parts) {
  std::string reading;
  for (const Part& part : parts) {
    if (!reading.empty()) reading += ' ';
    reading += part.label ? std::string(part.label->caption) : part.role;
  }
  return reading;
}

// The row of fields a button works on: the row level with it, or else the
// nearest above it, or else the first.
std::optional<std::size_t> RowOfButton(const std::vector<Row>& rows, const Button& button) {
  std::optional<std::size_t> above;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (Level(button.rect, rows[i].top, rows[i].bottom)) return i;
    if (rows[i].bottom <= button.rect.top) above = i;
  }
  if (above) return above;
  if (!rows.empty()) return 0;
  return std::nullopt;
}

}  // namespace

std::string WithoutAccessKey(std::string_view caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 == caption.size()) break;
      ++i;  // the marked letter, or the second "&" of "&&"
    }
    shown += caption[i];
  }
  return shown;
}

AccessibleText AccessibleTextOf(const WindowLayout& window, const Field& field) {
  if (!field.tooltip.empty()) return {std::string(field.tooltip), std::string(field.tooltip)};
  const std::vector<Row> rows = RowsOf(window);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (std::find(rows[i].fields.begin(), rows[i].fields.end(), &field) == rows[i].fields.end())
      continue;
    const std::vector<Part> parts = PartsOf(window, rows[i]);
    const auto own = std::find_if(parts.begin(), parts.end(),
                                  [&field](const Part& part) { return part.field == &field; });
    return {RowName(i) + ", " + own->role, ReadingOf(parts)};
  }
  return {std::string(field.name), {}};  // not a field of this window
}

AccessibleText AccessibleTextOf(const WindowLayout& window, const Button& button) {
  AccessibleText text;
  text.name = WithoutAccessKey(button.caption);
  if (text.name.empty()) text.name = button.tooltip;
  if (text.name.empty()) text.name = button.name;
  if (!button.tooltip.empty()) {
    text.description = button.tooltip;
    return text;
  }
  const auto same_caption = std::count_if(
      window.buttons.begin(), window.buttons.end(),
      [&text](const Button& other) { return WithoutAccessKey(other.caption) == text.name; });
  if (same_caption < 2) return text;
  const std::vector<Row> rows = RowsOf(window);
  if (const auto row = RowOfButton(rows, button)) {
    const Row& found = rows[*row];
    text.description = found.fields.size() == 1
                           ? AccessibleTextOf(window, *found.fields.front()).name
                           : RowName(*row);
  }
  return text;
}

AccessibleText AccessibleTextOf(const WindowLayout&, const Label& label) {
  return {std::string(label.caption), {}};
}

const Field* FieldNamedBy(const WindowLayout& window, const Label& label) {
  const bool has_letter = std::any_of(label.caption.begin(), label.caption.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    // Cyrillic and every other script lie beyond ASCII.
    return byte >= 0x80 || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
  });
  if (!has_letter) return nullptr;
  const Field* named = nullptr;
  int best_overlap = 0;
  for (const Field& field : window.fields) {
    if (field.rect.left <= label.rect.left) continue;
    const int overlap =
        std::min(Bottom(field.rect), Bottom(label.rect)) - std::max(field.rect.top, label.rect.top);
    if (overlap <= 0) continue;
    if (!named || overlap > best_overlap ||
        (overlap == best_overlap && field.rect.left < named->rect.left)) {
      named = &field;
      best_overlap = overlap;
    }
  }
  return named;
}

bool ReadWholeWhenOpened(const WindowLayout& window) {
  return window.buttons.empty() && window.fields.empty() && window.menu_bar.empty() &&
         !window.labels.empty();
}

std::string AnnouncementOf(const std::vector<ChangedField>& changed) {
  std::string announcement;
  for (const ChangedField& field : changed) {
    if (!announcement.empty()) announcement += ", ";
    announcement += field.name;
    announcement += ' ';
    announcement += field.text.empty() ? std::string("blank") : field.text;
  }
  return announcement;
}

std::string AccessibleNameOf(const WindowLayout& window,
                             std::span<const std::string_view> switching_captions) {
  if (!window.title.empty()) return std::string(window.title);
  if (!switching_captions.empty()) return WithoutAccessKey(switching_captions.front());
  return std::string(window.name);
}

}  // namespace tavro::layout
