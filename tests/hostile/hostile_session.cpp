#include "hostile/hostile_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/value_cell.h"
#include "modes/brackets/form6.h"
#include "modes/solvers/form4.h"
#include "modes/standard/form1.h"
#include "ui/shell/window_registry.h"

namespace tavro::hostile {
namespace {

std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const auto continues = [&](std::size_t i) { return i < text.size() && (byte(i) & 0xC0) == 0x80; };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return continues(1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (!continues(1) || !continues(2)) return 0;
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F)) return 0;
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (!continues(1) || !continues(2) || !continues(3)) return 0;
    if ((lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F)) return 0;
    return 4;
  }
  return 0;
}

}  // namespace

std::optional<std::size_t> Utf8Characters(std::string_view text) {
  std::size_t characters = 0;
  while (!text.empty()) {
    // Runs of ASCII, most of a long text, are counted at once.
    const auto ascii = std::find_if(text.begin(), text.end(),
                                    [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; });
    characters += static_cast<std::size_t>(ascii - text.begin());
    text.remove_prefix(static_cast<std::size_t>(ascii - text.begin()));
    if (text.empty()) break;
    const std::size_t length = SequenceLength(text);
    if (length == 0) return std::nullopt;
    text.remove_prefix(length);
    ++characters;
  }
  return characters;
}

std::string Repeated(std::string_view piece, std::size_t length) {
  std::string text;
  text.reserve(length + piece.size());
  while (text.size() < length) text.append(piece);
  return text;
}

Program::Program(DecimalSeparator separator) : shell_(windows_, separator, clipboard) { shell_.Start(); }

WindowModel& Program::Open(std::string_view window) {
  EXPECT_TRUE(shell_.OpenWindow(window)) << window;
  WindowModel* model = shell_.Model(window);
  EXPECT_NE(model, nullptr) << window;
  return *model;
}

void Program::FillFields(WindowModel& window, std::string_view text) {
  for (const TextField& field : window.fields()) {
    TextField& target = *window.FindField(field.name());
    const std::string_view wanted = !field.max_length() ? text : *field.max_length() == 1 ? "+" : "2";
    // Typing what a field already holds changes nothing; it is skipped, as
    // each typing of ten megabytes is costly in a sanitized build.
    if (target.text() != wanted) target.Type(wanted);
  }
}

void Program::Click(std::string_view window, std::string_view operation) {
  EXPECT_TRUE(shell_.Invoke(window, operation)) << window << "." << operation;
}

std::vector<std::string> Program::BrokenFields(std::string_view known_valid) {
  std::vector<std::string> broken;
  for (std::string_view name : shell::WindowNames()) {
    const WindowModel* model = shell_.Model(name);
    if (model == nullptr) continue;
    for (const TextField& field : model->fields()) {
      if (!known_valid.empty() && field.text() == known_valid) continue;
      const std::string where = model->name() + "." + field.name();
      const std::optional<std::size_t> characters = Utf8Characters(field.text());
      if (!characters) {
        broken.push_back(where + " holds malformed UTF-8");
      } else if (field.max_length() && *characters > *field.max_length()) {
        broken.push_back(where + " holds " + std::to_string(*characters) + " characters");
      }
    }
  }
  return broken;
}

std::vector<std::string> Program::BrokenCells() {
  std::vector<std::pair<std::string, const ValueCell*>> cells;
  if (auto* form1 = dynamic_cast<Form1*>(shell_.Model("Form1"))) {
    cells.emplace_back("Form1.AnswerCell", &form1->AnswerCell());
    cells.emplace_back("Form1.RootCell", &form1->RootCell());
  }
  if (auto* form4 = dynamic_cast<Form4*>(shell_.Model("Form4"))) {
    cells.emplace_back("Form4.ProductCell", &form4->ProductCell());
  }
  if (auto* form6 = dynamic_cast<Form6*>(shell_.Model("Form6"))) {
    cells.emplace_back("Form6.Bracket1", &form6->Bracket1());
    cells.emplace_back("Form6.Bracket2", &form6->Bracket2());
    cells.emplace_back("Form6.Total", &form6->Total());
  }
  std::vector<std::string> broken;
  for (const auto& [name, cell] : cells) {
    if (!cell->HoldsNumber()) continue;
    const double number = cell->AsNumber(DecimalSeparator::FullStop());
    if (!std::isfinite(number)) broken.push_back(name + " holds " + std::to_string(number));
  }
  return broken;
}

}  // namespace tavro::hostile
