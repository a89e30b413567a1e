#pragma once

#include <QString>

/// A new `W` owned by `parent` and carrying the object name `name`, by which tests, settings keys and
/// text sets find it.
template <typename W, typename P>
W* named(P* parent, const QString& name) {
  auto* w = new W(parent);
  w->setObjectName(name);
  return w;
}
