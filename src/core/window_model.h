#pragma once

#include <cassert>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/decimal_separator.h"
#include "core/text_field.h"

namespace tavro {

// The logic object of a window: its named text fields, the value cells its
// derived class owns, and one parameterless operation per button, invoked by
// the name of the button's click handler ("Command1_Click"). It runs and is
// tested without any user interface.
class WindowModel {
 public:
  WindowModel(std::string name, DecimalSeparator separator)
      : name_(std::move(name)), separator_(separator) {}
  virtual ~WindowModel() = default;
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;

  const std::string& name() const { return name_; }
  DecimalSeparator separator() const { return separator_; }
  // The user's regional settings changed: from now on numbers are read and
  // written with this separator. Texts already in the fields stay as they are.
  void SetSeparator(DecimalSeparator separator) { separator_ = separator; }

  // The fields in the order the window declares them.
  const std::deque<TextField>& fields() const { return fields_; }
  TextField* FindField(std::string_view field_name);
  const TextField* FindField(std::string_view field_name) const;

  bool HasOperation(std::string_view operation) const;
  // Runs the named operation; false, and nothing runs, when there is none.
  bool Invoke(std::string_view operation);
  std::vector<std::string> OperationNames() const;

  // Loading the window: every field takes its initial (empty) text. The cells
  // keep their contents.
  void Load();

 protected:
  TextField& AddField(std::string field_name, std::optional<std::size_t> max_length = {});
  // One operation run by any callable, for operations that are rows of data
  // rather than member functions (the converter's conversions).
  void AddOperation(std::string operation, std::function<void()> run);

  // One row of a window's operation table: the name of the click handler and
  // the member function it runs.
  template <class Window>
  struct OperationRow {
    std::string_view name;
    void (Window::*run)();
  };
  // Adds one operation per row, each running its member on `self`, which is
  // this window seen as its own class.
  template <class Window, std::size_t N>
  void AddOperations(Window& self, const OperationRow<Window> (&table)[N]) {
    assert(static_cast<WindowModel*>(&self) == this);
    for (const OperationRow<Window>& row : table) {
      AddOperation(std::string(row.name), [&self, run = row.run] { (self.*run)(); });
    }
  }

  // A handler's write into a field (see TextField::Write).
  void Write(TextField& field, std::string_view text) { field.Write(text, separator_); }

 private:
  std::string name_;
  DecimalSeparator separator_;
  std::deque<TextField> fields_;  // a deque keeps references to fields valid
  std::map<std::string, std::function<void()>, std::less<>> operations_;
};

}  // namespace tavro
