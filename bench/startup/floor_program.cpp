// The floor of the start-up benchmark: the least a Qt Widgets program with a
// window like Tavro's first one does. A fixed main window with a menu bar,
// three line edits and fourteen push buttons, and nothing else. Ctrl+T closes
// it and shows a fresh window of the same kind, built at that moment, as a
// mode switch does; Ctrl+E ends the program.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int kFields = 3;
constexpr int kButtons = 14;

class FloorWindow : public QMainWindow {
 public:
  explicit FloorWindow(int number) {
    setWindowTitle(QStringLiteral("Floor %1").arg(number));
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Options"));
    QAction* next = menu->addAction(QStringLiteral("&Next window"));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(next, &QAction::triggered, this, [this, number] { ShowNext(number + 1); });
    QAction* exit = menu->addAction(QStringLiteral("&Exit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exit, &QAction::triggered, qApp, &QApplication::quit);

    auto* client = new QWidget(this);
    for (int i = 0; i < kFields; ++i) {
      auto* field = new QLineEdit(client);
      field->setGeometry(48, 24 * i, 209, 19);
    }
    for (int i = 0; i < kButtons; ++i) {
      auto* button = new QPushButton(QStringLiteral("B%1").arg(i + 1), client);
      button->setGeometry(41 * (i % 7), 80 + 33 * (i / 7), 41, 33);
    }
    setCentralWidget(client);
    client->setFixedSize(307, 146);
    setFixedSize(sizeHint());
  }

 private:
  void ShowNext(int number) {
    auto* next = new FloorWindow(number);
    hide();
    deleteLater();
    next->show();
    next->activateWindow();
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  auto* window = new FloorWindow(1);
  window->show();
  window->activateWindow();
  return QApplication::exec();
}
