#include "ui/qt/widgets/character_limit.h"

#include <algorithm>

namespace tavro::qt {

namespace {

// The index just past the first `count` characters of `text`, from `from`.
qsizetype AfterCharacters(const QString& text, qsizetype from, int count) {
  qsizetype i = from;
  for (int taken = 0; taken < count && i < text.size(); ++taken) {
    const bool pair =
        text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    i += pair ? 2 : 1;
  }
  return i;
}

}  // namespace

int CountCharacters(const QString& text) {
  int count = 0;
  for (qsizetype i = 0; i < text.size(); i = AfterCharacters(text, i, 1)) ++count;
  return count;
}

FittedEdit FitEdit(const QString& before, const QString& after, int max_characters) {
  // The edit replaced the middle of `before` by the middle of `after`.
  const qsizetype shorter = std::min(before.size(), after.size());
  qsizetype prefix = 0;
  while (prefix < shorter && before.at(prefix) == after.at(prefix)) ++prefix;
  if (prefix > 0 && after.at(prefix - 1).isHighSurrogate()) --prefix;  // never split a pair
  qsizetype suffix = 0;
  while (suffix < shorter - prefix &&
         before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
    ++suffix;
  if (suffix > 0 && after.at(after.size() - suffix).isLowSurrogate()) --suffix;

  const QString head = before.left(prefix);
  const QString tail = before.right(suffix);
  const int room = std::max(0, max_characters - CountCharacters(head) - CountCharacters(tail));
  const qsizetype inserted_end = after.size() - suffix;
  const qsizetype kept_end = std::min(inserted_end, AfterCharacters(after, prefix, room));
  FittedEdit fitted{head + after.mid(prefix, kept_end - prefix) + tail, 0};
  fitted.cursor = static_cast<int>(kept_end);
  if (CountCharacters(fitted.text) > max_characters) {
    // The text around the edit was too long already: keep its beginning.
    fitted.text.truncate(AfterCharacters(fitted.text, 0, max_characters));
    fitted.cursor = static_cast<int>(std::min<qsizetype>(fitted.cursor, fitted.text.size()));
  }
  return fitted;
}

CharacterLimit::CharacterLimit(int max_characters, QLineEdit* field)
    : QValidator(field), max_characters_(max_characters), accepted_(field->text()) {
  connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
}

QValidator::State CharacterLimit::validate(QString& input, int& pos) const {
  if (CountCharacters(input) <= max_characters_) return Acceptable;
  // Never Invalid: a text set as a whole (setText, which a screen reader's
  // insertion uses) keeps a rejected text, so what fits is given instead,
  // which may be the text as it was.
  FittedEdit fitted = FitEdit(accepted_, input, max_characters_);
  input = std::move(fitted.text);
  pos = fitted.cursor;
  return Acceptable;
}

}  // namespace tavro::qt
