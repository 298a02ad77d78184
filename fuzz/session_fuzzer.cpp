// Whole sessions of the program, driven through the shell with a window
// system that shows nothing and a clipboard the session fills. The input is
// read as a little program: open a window, type or append a text in a field
// (very long texts, Cyrillic, emoji, control characters, numbers at the edges
// of the doubles, operator characters, keywords), click any button or menu
// entry of an open window, put something on the clipboard (raw bytes
// included), close a window. After every click:
//   - every field of every window holds valid UTF-8 within its maximum length;
//   - no cell holds an infinity or a not-a-number, and a field a calculating
//     button wrote holds the empty text, a keyword reply or a number's text;
//   - each cell changed only through the buttons that store into it, and the
//     click changed nothing in any other window;
//   - the few relations each handler keeps between its cells and fields hold.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/number_text.h"
#include "core/value_cell.h"
#include "fuzz_check.h"
#include "modes/brackets/form6.h"
#include "modes/brackets/keywords.h"
#include "modes/solvers/form4.h"
#include "modes/standard/form1.h"
#include "support/fake_clipboard.h"
#include "support/null_window_system.h"
#include "support/repeated_text.h"
#include "support/utf8_check.h"
#include "support/window_table.h"
#include "ui/layout/window_layout.h"
#include "ui/shell/shell.h"

namespace {

using tavro::DecimalSeparator;
using tavro::TextField;
using tavro::ValueCell;
using tavro::WindowModel;
using tavro::shell::Shell;
using tavro::shell::WindowState;
using tavro::support::Utf8Characters;
using tavro::support::WellFormedSequenceLength;

// ---- Texts, checked as UTF-8 apart from the core ----------------------------

// What a keyboard can put into a field: the bytes, with every one that does
// not begin a well-formed UTF-8 sequence replaced by U+FFFD.
std::string TypeableText(std::string_view bytes) {
  std::string text;
  while (!bytes.empty()) {
    const std::size_t length = WellFormedSequenceLength(bytes);
    if (length == 0) {
      text += "\xEF\xBF\xBD";
      bytes.remove_prefix(1);
    } else {
      text.append(bytes.substr(0, length));
      bytes.remove_prefix(length);
    }
  }
  return text;
}

// ---- The input, read as a session --------------------------------------------

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return position_ >= size_; }
  std::uint8_t Byte() { return AtEnd() ? 0 : data_[position_++]; }
  std::string_view Take(std::size_t count) {
    count = std::min(count, size_ - std::min(position_, size_));
    const std::string_view taken(reinterpret_cast<const char*>(data_) + position_, count);
    position_ += count;
    return taken;
  }
  template <class Table>
  std::string_view Pick(const Table& table) {
    return table[Byte() % std::size(table)];
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

constexpr std::string_view kNumbers[] = {"1.7976931348623157E+308",
                                         "1.7976931348623158E308",
                                         "-1.79769313486231E308",
                                         "1.79769313486232E+308",
                                         "1E308",
                                         "-1E308",
                                         "1E-308",
                                         "4.9E-324",
                                         "2.2250738585072014E-308",
                                         "1E15",
                                         "999999999999999",
                                         "0.1",
                                         "0,1",
                                         "1,5",
                                         "1.5",
                                         "2147483647.5",
                                         "-2147483648.5",
                                         "0",
                                         "-0",
                                         "1E400",
                                         " 7 ",
                                         "3",
                                         "2",
                                         "-1",
                                         "1E200",
                                         "1e-200",
                                         "0.5",
                                         "12345678901234567890",
                                         "+5",
                                         ".5",
                                         "5.",
                                         "1E",
                                         "-",
                                         "4294967296",
                                         "9.99999999999999E-5"};
constexpr std::string_view kCyrillic[] = {"пет", "ПЪРВО ЧИСЛО", "х", "Е", "Просто пишете", "щ"};
constexpr std::string_view kEmoji[] = {"😀",   "👍🏽", "🇧🇬",  "👨‍👩‍👧", "🔥5", "∞",
                                       "NaN", "inf",      "-inf"};
constexpr std::string_view kControls[] = {std::string_view("\0", 1),
                                          "\t",
                                          "\n",
                                          "\r\n",
                                          "\x01",
                                          "\x7f",
                                          "\xE2\x80\xA8",
                                          "\xEF\xBB\xBF",
                                          "\xE2\x80\xAE",
                                          "\xC2\xA0",
                                          "\xE2\x80\x8B"};
constexpr std::string_view kOperatorsAndKeywords[] = {
    "+",        "-",         "_",         "*",    "x",          ".",      "/",  ":",
    "\\",       "X",         "×",         "÷",    " ",          "hi",     "HI", "Hi",
    "velimort", "METALLICA", "metallica", "KORN", "GUANO APES", "nirvana"};

std::string Text(Reader& in, int depth = 0) {
  switch (in.Byte() % 8) {
    case 0:
      return TypeableText(in.Take(in.Byte()));
    case 1:
      return std::string(in.Pick(kNumbers));
    case 2:
      return std::string(in.Pick(kCyrillic));
    case 3:
      return std::string(in.Pick(kEmoji));
    case 4:
      return std::string(in.Pick(kControls));
    case 5: {  // a long text: a piece repeated to 1 to 64 KiB
      std::string piece = depth < 2 ? Text(in, depth + 1) : std::string(in.Pick(kNumbers));
      if (piece.empty()) piece.push_back('9');
      const std::size_t length = (in.Byte() % 64 + 1) * std::size_t{1024};
      return tavro::support::Repeated(piece, length);
    }
    case 6:
      return std::string(in.Pick(kOperatorsAndKeywords));
    default:
      if (depth >= 3) return std::string(in.Pick(kNumbers));
      // Two texts, read one after the other.
      std::string text = Text(in, depth + 1);
      text += Text(in, depth + 1);
      return text;
  }
}

// ---- Windows and what may change them --------------------------------------------

// Every click an open window offers: its buttons' operations, and the menu
// entries and Exit buttons of its layout.
std::vector<std::string> ClickHandlersOf(const WindowModel& model) {
  std::set<std::string> handlers;
  for (std::string& operation : model.OperationNames()) handlers.insert(std::move(operation));
  if (const tavro::layout::WindowLayout* layout = tavro::support::LayoutOf(model.name())) {
    for (const auto& bar : layout->menu_bar) {
      handlers.insert(tavro::layout::HandlerOf(bar.name));
      for (const auto& entry : bar.entries) handlers.insert(tavro::layout::HandlerOf(entry.name));
    }
    for (const auto& button : layout->buttons)
      handlers.insert(tavro::layout::HandlerOf(button.name));
  }
  return {handlers.begin(), handlers.end()};
}

struct CellState {
  enum class Kind { Empty, Text, Number } kind = Kind::Empty;
  std::string text;
  double number = 0.0;

  static CellState Of(const ValueCell& cell, DecimalSeparator separator) {
    if (cell.HoldsText()) return {Kind::Text, cell.AsText(separator), 0.0};
    if (cell.HoldsNumber()) return {Kind::Number, {}, cell.AsNumber(separator)};
    return {};
  }
  friend bool operator==(const CellState& a, const CellState& b) {
    return a.kind == b.kind && a.text == b.text &&
           (a.number == b.number || (std::isnan(a.number) && std::isnan(b.number)));
  }
};

// A window's cells, by name, with the clicks that may store into each.
struct NamedCell {
  std::string name;
  const ValueCell* cell;
  std::set<std::string_view> stored_by;
  bool may_become_empty;  // only the answer cell, through a square root that never succeeded
};

std::vector<NamedCell> CellsOf(WindowModel& model) {
  if (auto* form1 = dynamic_cast<tavro::Form1*>(&model)) {
    return {
        {"AnswerCell",
         &form1->AnswerCell(),
         {"Command1_Click", "Command2_Click", "Command3_Click", "Command4_Click", "Command8_Click"},
         true},
        {"RootCell", &form1->RootCell(), {"Command8_Click"}, false},
        {"MemoryCell",
         &form1->MemoryCell(),
         {"Command10_Click", "Command12_Click", "Command14_Click"},
         false}};
  }
  if (auto* form4 = dynamic_cast<tavro::Form4*>(&model)) {
    return {{"ProductCell", &form4->ProductCell(), {"Command6_Click"}, false}};
  }
  if (auto* form6 = dynamic_cast<tavro::Form6*>(&model)) {
    return {{"Bracket1", &form6->Bracket1(), {"Command1_Click", "Command2_Click"}, false},
            {"Bracket2", &form6->Bracket2(), {"Command2_Click"}, false},
            {"Total", &form6->Total(), {"Command2_Click"}, false}};
  }
  return {};
}

struct WindowSnapshot {
  WindowState state = WindowState::NotCreated;
  std::vector<std::string> fields;
  std::vector<CellState> cells;
};

class Session {
 public:
  explicit Session(DecimalSeparator separator)
      : separator_(separator), shell_(windows_, separator, clipboard_) {
    shell_.Start();
  }

  bool Running() const { return shell_.Running(); }

  void Step(Reader& in) {
    const int action = in.Byte() % 6;
    switch (action) {
      case 0:
        shell_.OpenWindow(
            tavro::support::WindowNames()[in.Byte() % tavro::support::WindowNames().size()]);
        break;
      case 1:    // type a text into a field
      case 2: {  // or append one to what the field holds
        const bool append = action == 2;
        std::vector<TextField*> fields = OpenFields();
        TextField* field = fields.empty() ? nullptr : fields[in.Byte() % fields.size()];
        std::string text = Text(in);
        if (field != nullptr) field->Type(append ? field->text() + text : text);
        break;
      }
      case 3:
        Click(in);
        break;
      case 4:
        switch (in.Byte() % 3) {
          case 0:  // an image, or nothing: no text to be had
            clipboard_.text.clear();
            break;
          case 1:  // bytes in any encoding
            clipboard_.text = std::string(in.Take(in.Byte()));
            break;
          default:
            clipboard_.text = Text(in);
            break;
        }
        break;
      default: {
        std::vector<std::string_view> open = OpenWindows();
        if (!open.empty()) shell_.CloseByUser(open[in.Byte() % open.size()]);
        break;
      }
    }
    CheckFields();
    CheckWindowCount();
  }

 private:
  std::vector<std::string_view> OpenWindows() const {
    std::vector<std::string_view> open;
    for (std::string_view name : tavro::support::WindowNames()) {
      if (shell_.StateOf(name) == WindowState::Open) open.push_back(name);
    }
    return open;
  }

  std::vector<TextField*> OpenFields() {
    std::vector<TextField*> fields;
    for (std::string_view name : OpenWindows()) {
      WindowModel* model = shell_.Model(name);
      for (const TextField& field : model->fields())
        fields.push_back(model->FindField(field.name()));
    }
    return fields;
  }

  std::map<std::string_view, WindowSnapshot> Snapshot() {
    std::map<std::string_view, WindowSnapshot> snapshot;
    for (std::string_view name : tavro::support::WindowNames()) {
      WindowSnapshot& window = snapshot[name];
      window.state = shell_.StateOf(name);
      WindowModel* model = shell_.Model(name);
      if (model == nullptr) continue;
      for (const TextField& field : model->fields()) window.fields.push_back(field.text());
      for (const NamedCell& cell : CellsOf(*model))
        window.cells.push_back(CellState::Of(*cell.cell, separator_));
    }
    return snapshot;
  }

  void Click(Reader& in) {
    std::vector<std::pair<std::string_view, std::string>> clicks;
    for (std::string_view name : OpenWindows()) {
      for (std::string& handler : ClickHandlersOf(*shell_.Model(name)))
        clicks.emplace_back(name, std::move(handler));
    }
    if (clicks.empty()) return;
    const auto& [window, handler] = clicks[in.Byte() % clicks.size()];
    const auto before = Snapshot();
    TAVRO_FUZZ_CHECK(shell_.Invoke(window, handler), "%.*s refused its own %s",
                     static_cast<int>(window.size()), window.data(), handler.c_str());
    CheckFields();
    CheckCells(window, handler, before);
    CheckHandler(window, handler, before);
  }

  // Every field of every window: valid UTF-8 within its maximum length.
  void CheckFields() {
    for (std::string_view name : tavro::support::WindowNames()) {
      const WindowModel* model = shell_.Model(name);
      if (model == nullptr) continue;
      for (const TextField& field : model->fields()) {
        const std::optional<std::size_t> characters = Utf8Characters(field.text());
        TAVRO_FUZZ_CHECK(characters.has_value(), "%s.%s holds malformed UTF-8 (%zu bytes)",
                         model->name().c_str(), field.name().c_str(), field.text().size());
        if (field.max_length()) {
          TAVRO_FUZZ_CHECK(*characters <= *field.max_length(),
                           "%s.%s holds %zu characters, more than %zu", model->name().c_str(),
                           field.name().c_str(), *characters, *field.max_length());
        }
      }
    }
  }

  void CheckWindowCount() {
    if (!shell_.Running()) return;
    const std::vector<std::string_view> open = OpenWindows();
    const std::string_view help = tavro::support::NameOf(tavro::shell::kHelpWindow);
    const auto modes = std::count_if(open.begin(), open.end(),
                                     [help](std::string_view name) { return name != help; });
    TAVRO_FUZZ_CHECK(modes <= 1 && !open.empty(),
                     "%zu windows open, %td of them modes, while running", open.size(), modes);
  }

  // Cells hold finite numbers, change only through the clicks that store into
  // them, and, once stored, never become empty again (but the answer cell).
  // A click changes no field and no cell of another window, but for the
  // window a switch or Help opens (its fields start empty).
  void CheckCells(std::string_view window, const std::string& handler,
                  const std::map<std::string_view, WindowSnapshot>& before) {
    const auto after = Snapshot();
    for (std::string_view name : tavro::support::WindowNames()) {
      WindowModel* model = shell_.Model(name);
      if (model == nullptr) continue;
      const std::vector<NamedCell> cells = CellsOf(*model);
      const WindowSnapshot& then = before.at(name);
      const WindowSnapshot& now = after.at(name);
      for (std::size_t i = 0; i < cells.size(); ++i) {
        const CellState& cell = now.cells[i];
        const char* const cell_name = cells[i].name.c_str();
        if (cell.kind == CellState::Kind::Number) {
          TAVRO_FUZZ_CHECK(std::isfinite(cell.number), "%s.%s holds %g", model->name().c_str(),
                           cell_name, cell.number);
        }
        if (then.state == WindowState::NotCreated) {
          TAVRO_FUZZ_CHECK(cell.kind == CellState::Kind::Empty, "%s.%s not empty when created",
                           model->name().c_str(), cell_name);
          continue;
        }
        const CellState& old = then.cells[i];
        if (old == cell) continue;
        TAVRO_FUZZ_CHECK(name == window && cells[i].stored_by.count(handler) != 0,
                         "%s.%s changed on a click of %.*s.%s", model->name().c_str(), cell_name,
                         static_cast<int>(window.size()), window.data(), handler.c_str());
        TAVRO_FUZZ_CHECK(cell.kind != CellState::Kind::Empty || cells[i].may_become_empty,
                         "%s.%s emptied by %s", model->name().c_str(), cell_name, handler.c_str());
      }
      if (now.state == WindowState::Open && then.state != WindowState::Open) {
        TAVRO_FUZZ_CHECK(std::all_of(now.fields.begin(), now.fields.end(),
                                     [](const std::string& text) { return text.empty(); }),
                         "%s opened with a field that is not empty", model->name().c_str());
      } else if (name != window) {
        TAVRO_FUZZ_CHECK(then.fields == now.fields, "a click of %.*s.%s changed the fields of %s",
                         static_cast<int>(window.size()), window.data(), handler.c_str(),
                         model->name().c_str());
      }
    }
  }

  // A number written by a handler: digits, a minus, the separator, E and the
  // exponent's sign; never "inf" or "nan".
  bool IsNumberText(std::string_view text) const {
    const std::string allowed = std::string("0123456789-+E") + separator_.symbol;
    return !text.empty() && text.find_first_not_of(allowed) == std::string_view::npos;
  }

  static bool IsKeywordReply(std::string_view text) {
    return std::any_of(tavro::kKeywordTable.begin(), tavro::kKeywordTable.end(),
                       [&](const tavro::Keyword& keyword) { return keyword.reply == text; });
  }

  // The relations a click of a calculating window keeps.
  void CheckHandler(std::string_view window, const std::string& handler,
                    const std::map<std::string_view, WindowSnapshot>& before) {
    WindowModel* model = shell_.Model(window);
    if (model == nullptr || shell_.StateOf(window) != WindowState::Open ||
        !model->HasOperation(handler))
      return;
    const WindowSnapshot& then = before.at(window);
    const auto& fields = model->fields();
    const bool copies_text =
        (window == "Form1" && (handler == "Command11_Click" || handler == "Command13_Click")) ||
        (window == "Form2" && handler == "Command15_Click");
    std::size_t i = 0;
    for (const TextField& field : fields) {
      const std::string& old = then.fields[i++];
      if (field.text() == old || copies_text) continue;
      TAVRO_FUZZ_CHECK(
          field.text().empty() || IsNumberText(field.text()) || IsKeywordReply(field.text()),
          "%.*s.%s wrote \"%.60s\" into %s", static_cast<int>(window.size()), window.data(),
          handler.c_str(), field.text().c_str(), field.name().c_str());
      // Find fills empty fields only.
      const bool find = (window == "Form3" && handler == "Command3_Click") ||
                        (window == "Form4" && handler == "Command6_Click");
      TAVRO_FUZZ_CHECK(!find || old.empty(), "Find overwrote %s.%s", model->name().c_str(),
                       field.name().c_str());
    }

    if (auto* form1 = dynamic_cast<tavro::Form1*>(model)) {
      const std::string answer = form1->AnswerCell().AsText(separator_);
      if (handler == "Command1_Click" || handler == "Command2_Click" ||
          handler == "Command3_Click" || handler == "Command4_Click" ||
          handler == "Command8_Click") {
        TAVRO_FUZZ_CHECK(form1->Text3().text() == answer,
                         "Text3 \"%.60s\" is not the answer \"%s\" after %s",
                         form1->Text3().text().c_str(), answer.c_str(), handler.c_str());
      }
      if (handler == "Command8_Click") {
        TAVRO_FUZZ_CHECK(CellState::Of(form1->AnswerCell(), separator_) ==
                             CellState::Of(form1->RootCell(), separator_),
                         "after SQR the answer is not the last square root");
        if (form1->RootCell().HoldsNumber()) {
          TAVRO_FUZZ_CHECK(!(form1->RootCell().AsNumber(separator_) < 0.0),
                           "a negative square root");
        }
      }
      if (handler == "Command10_Click" || handler == "Command12_Click" ||
          handler == "Command14_Click") {
        const TextField& stored = handler == "Command10_Click"   ? form1->Text1()
                                  : handler == "Command12_Click" ? form1->Text2()
                                                                 : form1->Text3();
        TAVRO_FUZZ_CHECK(form1->MemoryCell().HoldsText() &&
                             form1->MemoryCell().AsText(separator_) == stored.text(),
                         "MEM did not store the text of %s", stored.name().c_str());
      }
      if (handler == "Command5_Click")
        TAVRO_FUZZ_CHECK(form1->Text3().text().empty(), "Send top left Text3");
    }
    if (window == "Form2" && handler == "Command15_Click" && Utf8Characters(clipboard_.text) &&
        clipboard_.text.find('\0') == std::string::npos) {
      TAVRO_FUZZ_CHECK(model->FindField("Text1")->text() == clipboard_.text,
                       "Paste did not copy the clipboard");
    }
    if (auto* form6 = dynamic_cast<tavro::Form6*>(model)) {
      if (handler == "Command1_Click")
        TAVRO_FUZZ_CHECK(!form6->Text6().text().empty(), "row 1 left Text6 empty");
      if (handler == "Command2_Click") {
        const double total =
            form6->Total().HoldsNumber() ? form6->Total().AsNumber(separator_) : 0.0;
        TAVRO_FUZZ_CHECK(form6->Text14().text() == tavro::TextFromNumber(total, separator_),
                         "Text14 \"%.60s\" is not the total", form6->Text14().text().c_str());
      }
    }
  }

  DecimalSeparator separator_;
  tavro::support::NullWindowSystem windows_;
  tavro::support::FakeClipboard clipboard_;
  Shell shell_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  Session session((in.Byte() & 1) != 0 ? DecimalSeparator::Comma() : DecimalSeparator::FullStop());
  while (!in.AtEnd() && session.Running()) session.Step(in);
  return 0;
}
