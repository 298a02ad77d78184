#include "ui/qt/look/assets.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <mutex>

#include "ui/qt/look/deferred_icon.h"
#include "ui/qt/platform/platform.h"

// The resource initialiser must be named outside any namespace.
static void InitialiseEmbeddedAssets() { Q_INIT_RESOURCE(assets); }

namespace tavro::qt {

namespace {

// Decodes one of our PNG files with Qt's built-in PNG reader. A reader left
// to guess would first load every image-format plugin (SVG, GIF, ICO, JPEG
// and their libraries) to ask each whether it wants the file.
QPixmap LoadPng(const QString& file) {
  QImageReader reader(file, "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

// An icon engine whose pictures are made by pixmap(), in device pixels: it
// paints and scales through that one function.
class DevicePixelEngine : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const QPaintDevice* device = painter->device();
    const qreal scale = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return pixmap(ScaledPixmapDevicePixels(size, scale), mode, state);
  }
};

// A button picture that decodes its files only when it is first drawn, and
// only the one the screen needs: the plain file at normal scale, the @2x file
// beside it when a larger pixmap is asked for. Until then it costs nothing,
// so building a window decodes no picture before the window is on screen.
class PictureEngine final : public DevicePixelEngine {
 public:
  explicit PictureEngine(QString name) : name_(std::move(name)) {}

  // `size` is in device pixels, as QIcon asks for it.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    // At a scale of 1 the engine-level pixmap, exactly as the loaded icon's
    // own engine gives it; QIcon sets the pixel ratio afterwards.
    return Loaded(size).pixmap(size, 1.0, mode, state);
  }

  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return pixmap(size, mode, state).size();
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    LoadLarge();
    return loaded_.availableSizes(mode, state);
  }

  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("tavro-picture"); }
  QIconEngine* clone() const override { return new PictureEngine(*this); }

 private:
  const QIcon& Loaded(const QSize& device_size) {
    if (!normal_loaded_) {
      normal_loaded_ = true;
      normal_size_ = Add(QStringLiteral(":/tavro/%1.png").arg(name_));
    }
    if (device_size.width() > normal_size_.width() || device_size.height() > normal_size_.height())
      LoadLarge();
    return loaded_;
  }

  void LoadLarge() {
    Loaded(QSize());
    if (large_loaded_) return;
    large_loaded_ = true;
    Add(QStringLiteral(":/tavro/%1@2x.png").arg(name_));
  }

  // Pictures are told apart by their size in device pixels alone: the @2x
  // file would otherwise come with a pixel ratio of 2 from its name.
  QSize Add(const QString& file) {
    QPixmap picture = LoadPng(file);
    if (picture.isNull()) return {};
    picture.setDevicePixelRatio(1.0);
    loaded_.addPixmap(picture);
    return picture.size();
  }

  QString name_;
  QIcon loaded_;
  QSize normal_size_;
  bool normal_loaded_ = false;
  bool large_loaded_ = false;
};

// The program icon, each size decoded when it is first asked for. The X11
// window system is handed every size the icon has as a window is made; the
// sizes above 64 pixels, which only a scaled screen's task bar shows, are
// offered only when a screen is scaled.
class ProgramIconEngine final : public DevicePixelEngine {
 public:
  // `size` is in device pixels, as QIcon asks for it.
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int wanted = std::max(size.width(), size.height());
    const auto file =
        std::find_if(kFiles.begin(), kFiles.end(), [wanted](int s) { return s >= wanted; });
    const int chosen = file == kFiles.end() ? kFiles.back() : *file;
    QPixmap& decoded = decoded_[chosen];
    if (decoded.isNull()) decoded = LoadPng(QStringLiteral(":/tavro/icon-%1.png").arg(chosen));
    if (decoded.isNull() || decoded.size() == size) return decoded;
    return decoded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::min({size.width(), size.height(), kFiles.back()});
    return {side, side};
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    const bool scaled = qApp && qApp->devicePixelRatio() > 1.0;
    QList<QSize> sizes;
    for (const int side : kFiles)
      if (side <= kUnscaledLargest || scaled) sizes.append(QSize(side, side));
    return sizes;
  }

  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("tavro-program-icon"); }
  QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

 private:
  static constexpr std::array<int, 6> kFiles{16, 32, 48, 64, 128, 256};
  static constexpr int kUnscaledLargest = 64;
  std::map<int, QPixmap> decoded_;
};

// Pictures made once and shared by every window. They are released with the
// application object, while the toolkit that drew them still exists, and made
// again for a later one.
struct SharedPictures {
  QIcon program_icon;
  std::array<QIcon, 4> pictures;   // by Picture, less None
  std::map<int, QPixmap> pencils;  // by size in device pixels
};

SharedPictures& Shared() {
  static SharedPictures* shared = nullptr;
  if (!shared) {
    shared = new SharedPictures;
    qAddPostRoutine([] {
      delete shared;
      shared = nullptr;
    });
  }
  return *shared;
}

}  // namespace

void LoadAssets() {
  static std::once_flag loaded;
  std::call_once(loaded, InitialiseEmbeddedAssets);
}

QIcon ProgramIcon() {
  QIcon& icon = Shared().program_icon;
  if (icon.isNull()) icon = QIcon(new ProgramIconEngine);
  return icon;
}

QIcon PictureIcon(layout::Picture picture) {
  const char* name = nullptr;
  switch (picture) {
    case layout::Picture::None:
      return {};
    case layout::Picture::Plus:
      name = "plus";
      break;
    case layout::Picture::Minus:
      name = "minus";
      break;
    case layout::Picture::Multiply:
      name = "multiply";
      break;
    case layout::Picture::Divide:
      name = "divide";
      break;
  }
  QIcon& icon = Shared().pictures[static_cast<std::size_t>(picture) - 1];
  if (icon.isNull()) icon = QIcon(new PictureEngine(QString::fromLatin1(name)));
  return icon;
}

QCursor FieldPointer(layout::Pointer pointer, qreal device_pixel_ratio) {
  if (pointer == layout::Pointer::Standard) return QCursor(Qt::IBeamCursor);
  // The pencil grows with the screen: 32 pixels times the scale, made from
  // the large picture wherever the screen is scaled at all, and scaled
  // smoothly between whole multiples of 32.
  const int size = std::max(kPencilSize, qRound(kPencilSize * device_pixel_ratio));
  QPixmap& pixmap = Shared().pencils[size];
  if (pixmap.isNull()) {
    QPixmap picture;
    if (size > kPencilSize) picture = LoadPng(QStringLiteral(":/tavro/pencil@2x.png"));
    if (picture.isNull()) picture = LoadPng(QStringLiteral(":/tavro/pencil.png"));
    if (!picture.isNull() && picture.width() != size) {
      const bool whole = size % picture.width() == 0;
      picture = picture.scaled(size, size, Qt::IgnoreAspectRatio,
                               whole ? Qt::FastTransformation : Qt::SmoothTransformation);
    }
    picture.setDevicePixelRatio(qreal(size) / kPencilSize);
    pixmap = picture;
  }
  QPoint hot_spot = kPencilHotSpot;
  // Some window systems read the hot spot in the picture's own pixels.
  if (pixmap.devicePixelRatio() > 1.0 && PointerHotSpotInPicturePixels())
    hot_spot = (QPointF(kPencilHotSpot) * pixmap.devicePixelRatio()).toPoint();
  return QCursor(pixmap, hot_spot.x(), hot_spot.y());
}

}  // namespace tavro::qt
