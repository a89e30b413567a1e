#pragma once

// The windows of the application in creation order. Start-up creates them by walking this table
// (the rarely used ones when they are first opened),
// shutdown destroys them in reverse, the language switch re-applies every text set in it and the
// preset-values command resizes every window in it. A new window is one row here.

#include <span>

#include "persistence/SettingsKeys.h"

class QWidget;
struct Services;
struct TextSet;
struct Windows;

struct WindowEntry {
  int number;                             // N of its objectName "FormN"; the key of its text set
  const settings::WindowGeometry* place;  // key prefix of its stored position and size
  const TextSet* texts;                   // null when the window has no texts of its own
  QWidget* (*create)(Services&);          // makes the window and records it in services.windows
  QWidget* (*find)(const Windows&);       // the window of the run, or null
  bool onFirstOpen = false;               // made when first opened, not at start-up
};

/// Every window but the splash, which lives for seconds and owns itself.
std::span<const WindowEntry> windowTable();

/// The row of window `number`, or null.
const WindowEntry* findWindowEntry(int number);
