#pragma once

// Window text sets: the captions, labels, hints, menu items, table headers and combo box items of a
// window in Czech and in English, applied when the window is created and again at a language switch.
//
// Each window keeps its set in its own file, ui/<Window>Texts.cpp, declares it in ui/WindowTexts.h
// and names it in its row of the window table (ui/WindowTable.cpp):
//
//   namespace {
//   constexpr TextRow kCzech[] = {
//       {"", TextProp::Caption, "  VELTRA :   Prvotní data"},
//       {"Label1", TextProp::Text, "Počet hodnot"},
//       {"Button2", TextProp::Hint, "Načíst|Načte prvotní data ze souboru"},
//       {"StringGrid3", TextProp::Cell, "Hodnota", 0, 1},
//       {"CBTyp", TextProp::Items, "{m138}\nHistogram"},
//   };
//   constexpr TextRow kEnglish[] = { ...same keys in the same order... };
//   }  // namespace
//   const TextSet kRawDataWindowTexts{5, kCzech, kEnglish};
//
// and the window calls applyTexts(*this, 5, services.language()) at the end of its constructor.
// A row whose element does not exist (yet) is skipped. Both languages must list the same keys;
// a window test checks that for every set of the window table.

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/Language.h"

class QObject;
class QWidget;

/// What a row sets on its element.
enum class TextProp {
  Caption,  // window title of the element (the window itself when `control` is empty)
  Text,     // text of a label, button, check box, line edit; title of a group box or menu; text of an action
  Hint,     // "short|long": the short part becomes the tooltip, the long part the status-bar text
  Cell,     // text of cell (row, col) of a QTableWidget; headers live in row 0 / column 0
  Items,    // item list of a QComboBox, items separated by '\n'; the selected index is kept
  Tooltip,  // tooltip only (no status-bar text)
  Header,   // column header `col` of a QTableWidget
};

/// One assignment of a text to an element of a window. "{mN}" in `text` stands for message N.
struct TextRow {
  std::string_view control;  // objectName of the element; empty for the window itself
  TextProp prop;
  std::string_view text;
  int row = 0;  // cell of a Cell row
  int col = 0;  // and column of a Header row
};

/// Work a window does after its rows are applied (texts composed at run time, centring).
using TextHook = void (*)(QWidget& window, Language language);

/// The text set of window `window` (N of its objectName "FormN").
struct TextSet {
  int window = 0;
  std::span<const TextRow> czech;
  std::span<const TextRow> english;
  TextHook after = nullptr;
};

/// The set of a window in the window table, or nullptr.
const TextSet* findTextSet(int window);
/// Window numbers that have a set, in window table order (ascending).
std::vector<int> registeredTextSets();

/// Rows of a window's set in `language` (empty when the window has no set).
std::span<const TextRow> textRows(int window, Language language);

/// Puts the texts of set `windowNumber` in `language` on `window` and its children, then runs the
/// set's hook. Windows without a set are left alone.
void applyTexts(QWidget& window, int windowNumber, Language language);

/// Applies `rows` in order (rows of a part of a window built after its set was applied).
void applyTextRows(QWidget& window, std::span<const TextRow> rows, Language language);

/// Applies one row; false when the element does not exist or cannot take that property.
bool applyTextRow(QWidget& window, const TextRow& row, Language language);

/// The element a row names: the window itself for an empty name, else the child of that objectName.
QObject* findTextTarget(QWidget& window, std::string_view control);

/// `text` with every "{mN}" replaced by message N in `language`.
std::string expandTextTokens(std::string_view text, Language language);

/// Splits a "short|long" hint; a hint without '|' is both.
std::pair<std::string, std::string> splitHint(std::string_view hint);
