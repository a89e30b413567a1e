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
#include "shell/Language.h"

/// One dialog a check asks for: its message number and the composed text.
struct InputProblem {
  int message = 0;
  std::string text;
  bool warning = false;  // a warning (title message 4) rather than an error (title message 3)
  int row = 0;           // layer row of a thickness problem
  friend bool operator==(const InputProblem&, const InputProblem&) = default;
};

/// A typed number: decimal point, no thousands separator, optional exponent; the whole text.
std::optional<double> parseInputNumber(std::string_view text);

/// Depth H: empty is accepted; otherwise a number above 0.
std::vector<InputProblem> checkDepthH(const std::string& text, Language lang);
/// Outer bolt diameter d1: empty is accepted; otherwise a number above 0.
std::vector<InputProblem> checkD1(const std::string& text, Language lang);
/// Inner bolt diameter d2; empty `text` becomes "0". Needs d2 >= 0 and, unless d2 is 0, d2 < d1
/// (a d1 that is no number counts as 0). Both problems can be reported.
std::vector<InputProblem> checkD2(std::string& text, const std::string& d1Text, Language lang);
/// Number of bolts n: a number above 0; empty is invalid.
std::vector<InputProblem> checkBoltCount(const std::string& text, Language lang);
/// Row spacing ds; empty `text` becomes "1000". Needs a number above 0.
std::vector<InputProblem> checkRowSpacing(std::string& text, Language lang);

/// Thicknesses of layer rows 2 .. nextLayerRow - 1 (only with two layers or more): the first row whose
/// text is no number above 0 (error, message 149) or is empty (warning, message 150); nullopt when all
/// are fine.
std::optional<InputProblem> checkThicknesses(const ProjectState& p, Language lang);

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
