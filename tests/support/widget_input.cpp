#include "support/widget_input.h"

#include <QCoreApplication>
#include <QTest>

namespace tavro::support {

void Type(QLineEdit* field, const QString& text) {
  QVERIFY(field);
  field->clear();
  field->setFocus();
  QTest::keyClicks(field, text);
}

void Click(QPushButton* button) {
  QVERIFY(button);
  QTest::mouseClick(button, Qt::LeftButton);
  Settle();
}

void Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace tavro::support
