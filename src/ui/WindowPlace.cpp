#include "ui/WindowPlace.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <string>

#include "persistence/SettingsFile.h"
#include "ui/WidgetHelpers.h"

namespace {

std::string key(const settings::WindowGeometry& place, const char* what) {
  return settings::positionKey(place.prefix, what);
}

int screenWidth() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->availableGeometry().width() : 1024;
}

}  // namespace

void restoreWindowPlace(QWidget& w, const SettingsFile& settings, const settings::WindowGeometry& place) {
  const int defWidth = place.defaultWidth > 0 ? place.defaultWidth : screenWidth();
  const long long left = settings.readInteger(settings::kPosition, key(place, "left"), 0);
  const long long top = settings.readInteger(settings::kPosition, key(place, "top"), 0);
  long long width = settings.readInteger(settings::kPosition, key(place, "width"), defWidth);
  long long height = settings.readInteger(settings::kPosition, key(place, "height"), place.defaultHeight);
  // A hand-edited or damaged file must not give an invisible or absurd window.
  if (width < 50 || width > 20000) width = defWidth;
  if (height < 50 || height > 20000) height = place.defaultHeight;
  const auto clampPos = [](long long v) { return int(std::max(-10000LL, std::min(v, 20000LL))); };
  w.move(clampPos(left), clampPos(top));
  w.resize(int(width), int(height));
}

void storeWindowPlace(const QWidget& w, SettingsFile& settings, const settings::WindowGeometry& place) {
  settings.writeInteger(settings::kPosition, key(place, "left"), w.x());
  settings.writeInteger(settings::kPosition, key(place, "top"), w.y());
  settings.writeInteger(settings::kPosition, key(place, "width"), w.width());
  settings.writeInteger(settings::kPosition, key(place, "height"), w.height());
}

void presetWindowPlace(QWidget& w, const settings::WindowGeometry& place) {
  w.setWindowState(w.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  w.move(0, 0);
  w.resize(place.presetWidth > 0 ? place.presetWidth : screenWidth(), place.presetHeight);
}

void setBaseColour(QWidget& w, std::uint32_t bgr) {
  QPalette p = w.palette();
  p.setColor(QPalette::Base, colourFromBgr(bgr));
  w.setPalette(p);
}
