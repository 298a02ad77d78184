#include "ui/toolkit/desktop_program.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <functional>
#include <utility>

#include "ui/toolkit/assets.h"
#include "ui/toolkit/native_style.h"
#include "ui/toolkit/regional_settings.h"

namespace tavro::toolkit {

namespace {

// An icon made only when it is first drawn or measured.
class DeferredIcon final : public QIconEngine {
 public:
  explicit DeferredIcon(std::function<QIcon()> make) : make_(std::move(make)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Made().paint(painter, rect, Qt::AlignCenter, mode, state);
  }

  // `size` is in device pixels, as QIcon asks for it.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Made().pixmap(size, 1.0, mode, state);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return Made().pixmap(size, scale, mode, state);  // asked for in device-independent pixels
#else
    return Made().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);  // in device pixels
#endif
  }

  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return pixmap(size, mode, state).size();
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Made().availableSizes(mode, state);
  }

  bool isNull() override { return false; }
  QIconEngine* clone() const override { return new DeferredIcon(*this); }

 private:
  const QIcon& Made() {
    if (make_) {
      made_ = make_();
      make_ = nullptr;
    }
    return made_;
  }

  std::function<QIcon()> make_;
  QIcon made_;
};

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

void UseDeferredPicturesStyle() {
  static QPointer<QStyle> installed;  // owned by the application, gone with it
  if (installed) return;
  installed = new DeferredPicturesStyle;
  QApplication::setStyle(installed);
}
}  // namespace

DesktopProgram::Assets::Assets() {
  LoadAssets();
  UseDeferredPicturesStyle();
  QApplication::setWindowIcon(ProgramIcon());
}

DesktopProgram::DesktopProgram(std::function<void()> end_process)
    : windows_(std::move(end_process)), shell_(windows_, SystemDecimalSeparator(), clipboard_) {
  windows_.Attach(shell_);
}

DesktopProgram::~DesktopProgram() {
  // The windows refer to the models the shell owns: they go first.
  windows_.DestroyAll();
}

}  // namespace tavro::toolkit
