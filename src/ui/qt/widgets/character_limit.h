#pragma once

#include <QLineEdit>
#include <QString>
#include <QValidator>

namespace tavro::qt {

// The number of characters (Unicode code points) of a text; a surrogate pair
// counts once.
int CountCharacters(const QString& text);

// An edit that turned `before` into `after`, fitted to `max_characters`: the
// untouched text around the edit stays, and of the inserted text only as many
// whole characters as fit are kept. `cursor` is placed after them.
struct FittedEdit {
  QString text;
  int cursor = 0;
};
FittedEdit FitEdit(const QString& before, const QString& after, int max_characters);

// Holds a field to a maximum number of characters. Qt's own maximum length
// counts UTF-16 units and would cut an emoji in half; this counts characters.
// Typing into a full field adds nothing; a paste keeps what fits. A line
// edit asks its validator about every change of its text, however it comes:
// keys, paste, an input method, drag and drop, setText and a screen reader's
// editing. So this one check holds the limit for all of them.
class CharacterLimit : public QValidator {
 public:
  CharacterLimit(int max_characters, QLineEdit* field);

  int maximum() const { return max_characters_; }
  State validate(QString& input, int& pos) const override;

 private:
  int max_characters_;
  QString accepted_;  // the field's text before the edit being validated
};

}  // namespace tavro::qt
