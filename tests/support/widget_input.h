#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace tavro::support {

// What a user does with the widgets of the desktop program, for QtTest
// functions: each records a failure in the running test function when the
// widget is missing.

// Empties the field, gives it the focus and types the text key by key.
void Type(QLineEdit* field, const QString& text);

// Clicks the button with the left mouse button and lets what it caused run.
void Click(QPushButton* button);

// Lets discarded windows go and posted events run.
void Settle();

}  // namespace tavro::support
