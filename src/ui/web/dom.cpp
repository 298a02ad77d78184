#include "ui/web/dom.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string>

namespace tavro::web {

val Document() { return val::global("document"); }

val ById(std::string_view id) { return Document().call<val>("getElementById", std::string(id)); }

val Create(std::string_view tag, std::string_view id, std::string_view class_name) {
  val element = Document().call<val>("createElement", std::string(tag));
  if (!id.empty()) element.set("id", std::string(id));
  if (!class_name.empty()) element.set("className", std::string(class_name));
  return element;
}

val CreateSvg(std::string_view tag) {
  return Document().call<val>("createElementNS", std::string("http://www.w3.org/2000/svg"),
                              std::string(tag));
}

void SetAttribute(val& element, std::string_view name, std::string_view value) {
  element.call<void>("setAttribute", std::string(name), std::string(value));
}

void SetStyle(val& element, std::string_view property, std::string_view value) {
  element["style"].call<void>("setProperty", std::string(property), std::string(value));
}

void SetText(val& element, std::string_view text) { element.set("textContent", std::string(text)); }

void Append(val& parent, val child) { parent.call<void>("append", child); }

std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

std::string CssColourOf(const layout::Colour& colour, std::string_view fallback) {
  switch (colour.kind) {
    case layout::Colour::Kind::Default:
      return std::string(fallback);
    case layout::Colour::Kind::Rgb: {
      std::array<char, 8> hex{};
      const auto end =
          std::to_chars(hex.data(), hex.data() + hex.size(), colour.rgb | 0x1000000u, 16).ptr;
      return "#" + std::string(hex.data() + 1, end);
    }
    case layout::Colour::Kind::System:
      switch (colour.role) {
        case layout::SystemColour::TooltipBackground:
          return "var(--tooltip-background)";
        case layout::SystemColour::Highlight3D:
          return "var(--highlight-3d)";
        case layout::SystemColour::DesktopBackground:
          return "var(--desktop-background)";
      }
  }
  return std::string(fallback);
}

char AppendCaption(val& parent, std::string_view caption) {
  char key = 0;
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&' || i + 1 == caption.size()) {
      plain += caption[i];
      continue;
    }
    ++i;
    if (caption[i] == '&' || key != 0) {
      plain += caption[i];
      continue;
    }
    if (!plain.empty()) Append(parent, val(plain));
    plain.clear();
    key = static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i])));
    val underlined = Create("u");
    SetText(underlined, caption.substr(i, 1));
    Append(parent, underlined);
  }
  if (!plain.empty()) Append(parent, val(plain));
  return key;
}

}  // namespace tavro::web
