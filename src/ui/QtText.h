#pragma once
// The core's texts and colours as Qt takes them.

#include <QColor>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

/// A UTF-8 text of the core as a QString.
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

/// A QString as the core's UTF-8 text.
inline std::string ss(const QString& s) { return s.toStdString(); }

/// A colour stored as 0x00BBGGRR.
inline QColor fromBgr(std::uint32_t c) {
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
