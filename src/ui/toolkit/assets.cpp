#include "ui/toolkit/assets.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QString>

// The resource initialiser must be named outside any namespace.
static void InitialiseEmbeddedAssets() { Q_INIT_RESOURCE(assets); }

namespace tavro::toolkit {

void LoadAssets() {
  static const bool loaded = (InitialiseEmbeddedAssets(), true);
  (void)loaded;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const char* file : {":/tavro/icon-16.png", ":/tavro/icon-32.png", ":/tavro/icon-48.png"})
    icon.addFile(QString::fromLatin1(file));
  return icon;
}

QIcon PictureIcon(layout::Picture picture) {
  const char* name = nullptr;
  switch (picture) {
    case layout::Picture::None: return {};
    case layout::Picture::Plus: name = "plus"; break;
    case layout::Picture::Minus: name = "minus"; break;
    case layout::Picture::Multiply: name = "multiply"; break;
    case layout::Picture::Divide: name = "divide"; break;
  }
  // Both sizes, so that a window on a screen scaled by two shows the large
  // picture whatever the scale was when the icon was made.
  QIcon icon;
  icon.addFile(QStringLiteral(":/tavro/%1.png").arg(QLatin1String(name)));
  icon.addFile(QStringLiteral(":/tavro/%1@2x.png").arg(QLatin1String(name)));
  return icon;
}

QCursor FieldPointer(layout::Pointer pointer, qreal device_pixel_ratio) {
  if (pointer == layout::Pointer::Standard) return QCursor(Qt::IBeamCursor);
  QPixmap pixmap;
  QPoint hot_spot = kPencilHotSpot;
  if (device_pixel_ratio > 1.0 && pixmap.load(QStringLiteral(":/tavro/pencil@2x.png"))) {
    pixmap.setDevicePixelRatio(2.0);
    // Qt's X11 plugin reads the hot spot in the picture's own pixels, where
    // the other platforms read it in device-independent ones.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) hot_spot *= 2;
  } else {
    pixmap.load(QStringLiteral(":/tavro/pencil.png"));
  }
  return QCursor(pixmap, hot_spot.x(), hot_spot.y());
}

}  // namespace tavro::toolkit
