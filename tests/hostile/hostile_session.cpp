#include "hostile/hostile_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>

#include "core/value_cell.h"
#include "modes/brackets/form6.h"
#include "modes/solvers/form4.h"
#include "modes/standard/form1.h"
#include "support/utf8_check.h"
#include "support/window_table.h"

namespace tavro::hostile {

Program::Program(DecimalSeparator separator) : shell_(windows_, separator, clipboard) {
  shell_.Start();
}

WindowModel& Program::Open(std::string_view window) {
  EXPECT_TRUE(shell_.OpenWindow(window)) << window;
  WindowModel* model = shell_.Model(window);
  EXPECT_NE(model, nullptr) << window;
  return *model;
}

void Program::Click(std::string_view window, std::string_view operation) {
  EXPECT_TRUE(shell_.Invoke(window, operation)) << window << "." << operation;
}

std::vector<std::string> Program::BrokenFields(std::string_view known_valid) {
  std::vector<std::string> broken;
  for (std::string_view name : support::WindowNames()) {
    const WindowModel* model = shell_.Model(name);
    if (model == nullptr) continue;
    for (const TextField& field : model->fields()) {
      if (!known_valid.empty() && field.text() == known_valid) continue;
      const std::string where = model->name() + "." + field.name();
      const std::optional<std::size_t> characters = support::Utf8Characters(field.text());
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
