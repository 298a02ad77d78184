#pragma once

#include <QIconEngine>
#include <QSize>
#include <QtGlobal>
#include <functional>
#include <utility>

namespace tavro::qt {

// The size an icon engine's scaledPixmap() is asked for, in device pixels:
// Qt 6.8 and later ask for it in device-independent pixels, earlier versions
// in device pixels already.
inline QSize ScaledPixmapDevicePixels(const QSize& size, qreal scale) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  return size * scale;
#else
  Q_UNUSED(scale);
  return size;
#endif
}

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
    const QSize device = ScaledPixmapDevicePixels(size, scale);
    return Made().pixmap((QSizeF(device) / scale).toSize(), scale, mode, state);
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

}  // namespace tavro::qt
