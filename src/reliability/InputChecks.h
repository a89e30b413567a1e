#pragma once

// Checks of the typed inputs of a project and the small derivations the input area needs.
// Each check returns the dialogs to show, in order, with their full texts in the given language;
// the window shows them and puts the focus back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "histogram/Histogram.h"
#include "project/ProjectState.h"
#include "shell/ChainMessages.h"
#include "shell/Language.h"

/// A typed or stored number: the whole text (blanks around allowed), a decimal point or comma, no
/// thousands separator, an optional exponent; nullopt for anything else, an empty text included.
std::optional<double> parseInputNumber(std::string_view text);

/// The typed number fields of a project.
enum class InputField { DepthH, Thickness, D1, D2, BoltCount, RowSpacing };

/// Domain of a field: a value must lie above `lowest` (or at it, when `lowestAllowed`) and at most
/// `highest`; above `plausible` it is valid but physically absurd and gets a warning (0: never).
struct FieldDomain {
  double lowest = 0;
  bool lowestAllowed = false;
  double highest = 0;
  double plausible = 0;
  const char* symbol = "";  // as the range line names the field: "H", "d1", ...
  const char* unit = "";    // " m", " mm" or ""
};
const FieldDomain& fieldDomain(InputField field);

/// The number of a field's text when it lies within the field's domain; nullopt otherwise.
std::optional<double> fieldValue(InputField field, std::string_view text);

/// The number of a field's text when it is a finite number not above the field's highest value (the
/// chain's own checks of zero and negative values follow it); nullopt otherwise.
std::optional<double> fieldNumber(InputField field, std::string_view text);

/// The field's own refusal of `text` when it is no number of the field's domain, nullopt when it is
/// one. A value above the field's highest value gets the allowed range on a line of its own. The
/// refusal of d2 against d1 is checkD2's. `layerRow` names the row of a thickness.
std::optional<Refusal> fieldRefusal(InputField field, const std::string& text, int layerRow = 0);

/// The warning for a valid but physically absurd value of a field (above its plausible bound), naming
/// the value as typed; nullopt otherwise.
std::optional<Refusal> fieldWarning(InputField field, const std::string& text);

/// Largest width B that is not warned about, in m.
inline constexpr double kPlausibleWidth = 50;
/// The warning for a width histogram reaching beyond kPlausibleWidth (naming its largest value).
std::optional<Refusal> widthWarning(const Histogram& width);
/// The refusal of a width histogram holding widths of 0 or below (a bin with mass centred there),
/// naming the smallest; nullopt otherwise. Such widths would lower the bolt load.
std::optional<Refusal> widthRefusal(const Histogram& width);

/// The refusals and warnings of every typed input of `p` that holds a text (H, the thicknesses of
/// rows 2 .. nextLayerRow - 1, d1, d2 with its relation to d1, n, ds) and of the width histogram
/// (widthRefusal, else widthWarning), in the order of the form. For a project or results file just
/// opened.
std::vector<Refusal> typedInputMessages(const ProjectState& p);

/// A message about a value of the file `path`: its text followed by the file's name.
std::string fileValueText(const Refusal& m, const std::string& path, Language lang);

/// The refusal or warning of a field check, naming layer row `row` (else the message's row) as the
/// layer table does.
Refusal inputProblem(const Refusal& m, int row = 0);

// The checks of a field when it is left: its refusals, then a warning for a valid but absurd value.

/// Depth H: empty is accepted; otherwise a number above 0.
std::vector<Refusal> checkDepthH(const std::string& text);
/// Outer bolt diameter d1: empty is accepted; otherwise a number above 0.
std::vector<Refusal> checkD1(const std::string& text);
/// Inner bolt diameter d2; empty `text` becomes "0". Needs d2 >= 0 and, unless d2 is 0, d2 < d1
/// (a d1 that is no number counts as 0). Both problems can be reported.
std::vector<Refusal> checkD2(std::string& text, const std::string& d1Text);
/// Number of bolts n: a number above 0; empty is invalid.
std::vector<Refusal> checkBoltCount(const std::string& text);
/// Row spacing ds; empty `text` becomes "1000". Needs a number above 0.
std::vector<Refusal> checkRowSpacing(std::string& text);

/// Thicknesses of layer rows 2 .. nextLayerRow - 1 (only with two layers or more): the first row whose
/// text is no number above 0 (error, message 149) or is empty (warning, message 150); nullopt when all
/// are fine.
std::optional<Refusal> checkThicknesses(const ProjectState& p);

/// B*: the centre of the first bin where the cumulative probability reaches 0.5; nullopt when no bin
/// does or B* is exactly 0 (message 33).
std::optional<double> bStarFromWidth(const Histogram& width);

/// The full text of message 33 (B* = 0).
std::string bStarProblemText(Language lang);

/// Name of a slot filled with a histogram made in memory: Vytvořen ( "<method>" ).
std::string createdSlotName(const std::string& methodText);

/// Text of the send confirmation: the method, the target and, for a layer, "= <row>".
std::string sendConfirmationText(const std::string& methodText, const std::string& targetText, int layerRow,
                                 Language lang);

/// Key classes of the typed fields.
enum class KeyClass {
  Real,     // H and the layer thicknesses: digits , - . E e
  Integer,  // the bolt fields: digits E e
  Name,     // the results name: letters, Czech letters, digits, blank - _
};

/// What a typed character does in a field of `cls`: pass (possibly replaced), or be dropped,
/// with or without a beep. Backspace passes; Enter is handled by the caller.
struct KeyVerdict {
  bool accept = false;
  bool beep = false;
  char32_t replacement = 0;  // the character to insert when accepted
};
KeyVerdict filterKey(KeyClass cls, char32_t c);

/// `text` (UTF-8) with the characters that `cls` refuses removed and the replacements made;
/// for pasted text.
std::string filterText(KeyClass cls, std::string_view text);
