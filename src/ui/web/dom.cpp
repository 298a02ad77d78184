#include "ui/web/dom.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string>

namespace tavro::web {

val Document() { return val::global("document"); }

val ById(std::string_view id) { return Document().call<val>("getElementById", std::string(id)); }

void SetStyle(val& element, std::string_view property, std::string_view value) {
  element["style"].call<void>("setProperty", std::string(property), std::string(value));
}

void SetText(val& element, std::string_view text) { element.set("textContent", std::string(text)); }

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

namespace {

void AppendEscaped(std::string& to, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        to += "&amp;";
        break;
      case '<':
        to += "&lt;";
        break;
      case '>':
        to += "&gt;";
        break;
      case '"':
        to += "&quot;";
        break;
      default:
        to += c;
    }
  }
}

}  // namespace

Markup& Markup::Open(std::string_view tag) {
  text_ += '<';
  text_ += tag;
  return *this;
}

Markup& Markup::Attribute(std::string_view name, std::string_view value) {
  text_ += ' ';
  text_ += name;
  text_ += "=\"";
  AppendEscaped(text_, value);
  text_ += '"';
  return *this;
}

Markup& Markup::Flag(std::string_view name) {
  text_ += ' ';
  text_ += name;
  return *this;
}

Markup& Markup::EndTag() {
  text_ += '>';
  return *this;
}

Markup& Markup::SelfClose() {
  text_ += "/>";
  return *this;
}

Markup& Markup::Text(std::string_view text) {
  AppendEscaped(text_, text);
  return *this;
}

Markup& Markup::Close(std::string_view tag) {
  text_ += "</";
  text_ += tag;
  text_ += '>';
  return *this;
}

Markup& Markup::Verbatim(std::string_view markup) {
  text_ += markup;
  return *this;
}

char Markup::Caption(std::string_view caption) {
  char key = 0;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&' || i + 1 == caption.size()) {
      Text(caption.substr(i, 1));
      continue;
    }
    ++i;
    if (caption[i] == '&' || key != 0) {
      Text(caption.substr(i, 1));
      continue;
    }
    key = static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i])));
    Open("u").EndTag().Text(caption.substr(i, 1)).Close("u");
  }
  return key;
}

val ElementOf(const std::string& markup) {
  val holder = Document().call<val>("createElement", std::string("template"));
  holder.set("innerHTML", markup);
  return holder["content"]["firstElementChild"];
}

}  // namespace tavro::web
