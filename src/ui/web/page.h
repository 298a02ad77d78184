#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clipboard.h"
#include "core/decimal_separator.h"
#include "ui/shell/shell.h"
#include "ui/web/window_view.h"

namespace tavro::web {

// The browser's clipboard as the converter's Paste reads it. The browser
// hands its text over only asynchronously, so the page reads it first and
// then runs Paste with it (Page::Paste); refused, empty or not text gives
// the empty text, the converter's rule for no text.
class PageClipboard : public Clipboard {
 public:
  std::string PlainText() override { return text_; }
  void Hold(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
};

// The program in the page: the shell, the windows it opens as framed boxes
// in the page's desktop element, and what the start script hands over of
// the user's clicks, typing and keys. When the program ends, the page says
// so in one line and offers to start again.
class Page : public shell::WindowSystem {
 public:
  // The decimal separator follows the language (a BCP 47 tag, "bg-BG").
  explicit Page(std::string_view language) : language_(language) {}

  void Start();

  // What the start script hands over. `action` is an element's data-action:
  // "run" (a button or a menu entry), "menu" (a menu-bar entry with a
  // drop-down), "close", "minimise", "activate" (a title bar), "restart".
  // True when nothing ran because the button reads the clipboard: the
  // browser hands its text over only asynchronously, so the script reads it
  // and then calls Paste.
  bool Act(std::string_view action, std::string_view window, std::string_view control);
  // A button that reads the clipboard, with the clipboard's text.
  void Paste(std::string_view window, std::string_view control, std::string text);
  // The user typed into or pasted into a field; `text` is its whole new text.
  void Type(std::string_view window, std::string_view field, std::string_view text);
  // A key went down; true when the program took it (the page then keeps the
  // browser from acting on it too). `window` holds the focus, or is empty.
  bool Key(std::string_view window, std::string_view code, std::string_view key, bool ctrl,
           bool alt, bool shift);
  // The viewport changed size: windows wider than it are scaled to fit.
  void Resize();

  // shell::WindowSystem
  void Open(const shell::WindowToOpen& window) override;
  void Close(std::string_view window) override;
  void Activate(std::string_view window) override;
  void Quit() override;

 private:
  WindowView* ViewOf(std::string_view window);
  WindowView* ActiveView();
  void Run(std::string_view window, std::string_view control);
  void Place(WindowView& view);
  void CloseMenus();
  // Asks the browser how the language writes numbers, once, before the first
  // operation runs. The first use of the browser's locale data takes some
  // 30 ms, and nothing before an operation reads or writes a number, so the
  // first window opens and takes keys without waiting for it.
  void EnsureSeparator();

  std::string language_;
  std::optional<DecimalSeparator> separator_;
  PageClipboard clipboard_;
  std::unique_ptr<shell::Shell> shell_;
  std::map<std::string, std::unique_ptr<WindowView>, std::less<>> views_;
  std::vector<std::string> stacking_;  // open windows, the active one last
};

// The decimal separator of a language, by the rule the desktop applies to its
// locale: a comma where the language writes one, a full stop otherwise.
DecimalSeparator DecimalSeparatorOfLanguage(std::string_view language);

}  // namespace tavro::web
