#include "ui/qt/look/native_style.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

#include "ui/qt/look/deferred_icon.h"
#include "ui/qt/platform/platform.h"

namespace tavro::qt {

namespace {

// The platform's style, except that the arrow a menu bar shows when its
// entries do not fit is made when it is first drawn. Every menu bar makes
// that picture when it is built, and the first picture Qt decodes loads every
// image-format plugin; our menu bars always fit, so neither is needed. Where
// the platform's style cannot show the colour scheme (StyleShowsScheme), Qt's
// classic style draws instead, decided anew whenever the scheme changes.
class DeferredPicturesStyle final : public QProxyStyle {
 public:
  DeferredPicturesStyle() {
    FollowScheme();
    QCoreApplication::instance()->installEventFilter(this);
  }

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
      return QProxyStyle::standardIcon(which, option, widget);
    return QIcon(new DeferredIcon([base = QPointer<QStyle>(baseStyle()), which] {
      return base ? base->standardIcon(which) : QIcon();
    }));
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == QCoreApplication::instance() &&
        event->type() == QEvent::ApplicationPaletteChange)
      FollowScheme();
    return QProxyStyle::eventFilter(watched, event);
  }

 private:
  void FollowScheme() {
    const bool classic = !StyleShowsScheme(platform_style_, QGuiApplication::palette());
    if (classic == classic_) return;
    classic_ = classic;
    setBaseStyle(classic ? QStyleFactory::create(QStringLiteral("Windows")) : nullptr);
  }

  // The style the platform (or the user's -style) chose, which the proxy
  // makes on first use.
  const QString platform_style_ = baseStyle()->name();
  bool classic_ = false;
};

}  // namespace

void UseProgramStyle() {
  static QPointer<QStyle> installed;  // owned by the application, gone with it
  if (installed) return;
  installed = new DeferredPicturesStyle;
  QApplication::setStyle(installed);
}

}  // namespace tavro::qt
