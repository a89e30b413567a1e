#include "reliability/InputChecks.h"

#include <cmath>

#include "shell/Dialogs.h"
#include "shell/Encoding.h"
#include "shell/FileTexts.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"

namespace {

const std::string kDq = "\"";

// The domains by InputField. Beyond `highest` a number no longer describes a mine working at all
// (deeper than the crust, bolts a metre thick, rows 100 m apart); the plausible bounds are what
// rock bolting meets in practice.
const FieldDomain kDomains[] = {
    {0, false, 100000, 5000, "H", " m"},    // DepthH
    {0, false, 100000, 0, "m", " m"},       // Thickness
    {0, false, 1000, 60, "d1", " mm"},      // D1
    {0, true, 1000, 0, "d2", " mm"},        // D2
    {0, false, 1000, 20, "n", ""},          // BoltCount
    {0, false, 100000, 5000, "ds", " mm"},  // RowSpacing
};

// The warnings of the fields: the field and its value, then the bound (none for the thickness and d2).
constexpr RefusalText kWarnings[] = {RefusalText::DepthUnusual,     RefusalText::None,
                                     RefusalText::DiameterUnusual,  RefusalText::None,
                                     RefusalText::BoltCountUnusual, RefusalText::SpacingUnusual};

std::string boundText(double x) { return formatNumber(x); }

Refusal warning(RefusalText id, const std::string& value, double bound) {
  Refusal m = ownRefusal(id, {value, boundText(bound)});
  m.kind = DlgKind::Warning;
  m.then.push_back(ownRefusal(RefusalText::CheckTheInput));
  return m;
}

FocusField focusOf(InputField f) {
  switch (f) {
    case InputField::DepthH:
      return FocusField::EdH;
    case InputField::Thickness:
      return FocusField::LayerTable;
    case InputField::D1:
      return FocusField::EdPS;
    case InputField::D2:
      return FocusField::EdPSV;
    case InputField::BoltCount:
      return FocusField::EdPK;
    case InputField::RowSpacing:
      return FocusField::EdPSds;
  }
  return FocusField::None;
}

// The allowed range on a line of its own: "0 < H <= 100000 m".
std::string rangeLine(InputField f) {
  const FieldDomain& d = fieldDomain(f);
  return boundText(d.lowest) + (d.lowestAllowed ? " <= " : " < ") + d.symbol + " <= " + boundText(d.highest) +
         d.unit;
}

// The refusal of a field as a list, then its warning when it has none.
std::vector<Refusal> checkField(InputField f, const std::string& text) {
  std::vector<Refusal> out;
  if (auto m = fieldRefusal(f, text)) out.push_back(inputProblem(*m));
  if (out.empty())
    if (auto w = fieldWarning(f, text)) out.push_back(inputProblem(*w));
  return out;
}

// The refusal of a d2 not below d1 (message 146), naming d2 as typed.
Refusal d2NotBelowD1(const std::string& d2Text) {
  return numberedRefusal(146, {}, " " + kDq + "d2" + kDq + " ( d2 >= d1 )  !  ( " + d2Text + " )\r\n");
}

}  // namespace

std::optional<double> parseInputNumber(std::string_view text) {
  double x = 0;
  if (text.empty() || !parseDouble(text, x)) return std::nullopt;
  return x;
}

const FieldDomain& fieldDomain(InputField field) { return kDomains[static_cast<int>(field)]; }

std::optional<double> fieldNumber(InputField field, std::string_view text) {
  const auto v = parseInputNumber(text);
  if (!v || !std::isfinite(*v) || *v > fieldDomain(field).highest) return std::nullopt;
  return v;
}

std::optional<double> fieldValue(InputField field, std::string_view text) {
  const auto v = fieldNumber(field, text);
  const FieldDomain& d = fieldDomain(field);
  if (!v || !(d.lowestAllowed ? *v >= d.lowest : *v > d.lowest)) return std::nullopt;
  return v;
}

std::optional<Refusal> fieldRefusal(InputField field, const std::string& text, int layerRow) {
  if (fieldValue(field, text)) return std::nullopt;
  Refusal m;
  m.focus = focusOf(field);
  const auto v = parseInputNumber(text);
  const std::string range = v && std::isfinite(*v) && *v > fieldDomain(field).highest ? rangeLine(field) : "";
  switch (field) {
    case InputField::DepthH:
      m.message = 145;
      m.extra = text + " )" + (range.empty() ? "" : "\r\n\r\n" + range);
      break;
    case InputField::Thickness:
      m.message = 149;
      m.layerRow = layerRow;
      m.extra = " ! ( " + text + " )\r\n" + (range.empty() ? "" : "\r\n" + range + "\r\n");
      break;
    case InputField::D1:
    case InputField::D2:
      m.message = 146;
      m.extra = " " + kDq + (field == InputField::D1 ? "d1" : " d2 ") + kDq + " !  ( " + text + " )\r\n" +
                (range.empty() ? "" : "\r\n" + range + "\r\n");
      break;
    case InputField::BoltCount:
      m.message = 147;
      m.extra = text + " )\r\n" + (range.empty() ? "" : "\r\n" + range + "\r\n");
      break;
    case InputField::RowSpacing:
      m.message = 155;
      m.args = {text};
      m.extra = range.empty() ? "" : "\r\n" + range + "\r\n";
      break;
  }
  return m;
}

std::optional<Refusal> fieldWarning(InputField field, const std::string& text) {
  const auto v = fieldValue(field, text);
  const FieldDomain& d = fieldDomain(field);
  if (!v || d.plausible <= 0 || !(*v > d.plausible)) return std::nullopt;
  Refusal m = warning(kWarnings[static_cast<int>(field)], text, d.plausible);
  m.focus = focusOf(field);
  return m;
}

std::optional<Refusal> widthWarning(const Histogram& width) {
  const int n = binCount(width);
  if (n < 1) return std::nullopt;
  const double largest = width.min + (n - 1) * width.step;
  if (!(largest > kPlausibleWidth)) return std::nullopt;
  return warning(RefusalText::WidthUnusual, boundText(largest), kPlausibleWidth);
}

std::optional<Refusal> widthRefusal(const Histogram& width) {
  const int n = binCount(width);
  for (int i = 0; i < n; ++i) {
    if (!(width.p[i] > 0)) continue;
    const double b = width.min + i * width.step;
    if (b > 0) return std::nullopt;
    return ownRefusal(RefusalText::WidthNotPositive, {boundText(b)});
  }
  return std::nullopt;
}

std::vector<Refusal> typedInputMessages(const ProjectState& p) {
  std::vector<Refusal> out;
  auto field = [&](InputField f, const std::string& text, int row = 0) {
    if (text.empty()) return;
    if (auto m = fieldRefusal(f, text, row))
      out.push_back(std::move(*m));
    else if (auto w = fieldWarning(f, text))
      out.push_back(std::move(*w));
  };
  if (!p.width.empty()) {
    if (auto r = widthRefusal(p.width.histogram))
      out.push_back(std::move(*r));
    else if (auto w = widthWarning(p.width.histogram))
      out.push_back(std::move(*w));
  }
  for (int r = 2; r <= p.nextLayerRow - 1 && r <= ProjectState::kLayers; ++r)
    field(InputField::Thickness, p.layers[r - 1].thickness, r);
  field(InputField::DepthH, p.depthH);
  field(InputField::D1, p.d1);
  field(InputField::D2, p.d2);
  const auto d1 = fieldValue(InputField::D1, p.d1);
  const auto d2 = fieldValue(InputField::D2, p.d2);
  if (d1 && d2 && *d2 != 0 && *d2 >= *d1) {
    Refusal m = d2NotBelowD1(p.d2);
    m.focus = FocusField::EdPSV;
    out.push_back(std::move(m));
  }
  field(InputField::BoltCount, p.boltCount);
  field(InputField::RowSpacing, p.rowSpacing);
  return out;
}

std::string fileValueText(const Refusal& m, const std::string& path, Language lang) {
  const std::string label = m.layerRow > 0 ? layerRowLabel(m.layerRow) : std::string();
  return m.text(lang, label) + FileTextFormat(FileText::FileNamed, lang, {path});
}

Refusal inputProblem(const Refusal& m, int row) {
  Refusal p = m;
  if (row > 0) p.layerRow = row;
  if (p.layerRow > 0) p.rowLabel = layerRowLabel(p.layerRow);
  return p;
}

std::vector<Refusal> checkDepthH(const std::string& text) {
  if (text.empty()) return {};
  return checkField(InputField::DepthH, text);
}

std::vector<Refusal> checkD1(const std::string& text) {
  if (text.empty()) return {};
  return checkField(InputField::D1, text);
}

std::vector<Refusal> checkD2(std::string& text, const std::string& d1Text) {
  if (text.empty()) text = "0";
  std::vector<Refusal> out = checkField(InputField::D2, text);
  const double d1 = parseInputNumber(d1Text).value_or(0);
  const double d2v = parseInputNumber(text).value_or(0);
  if (d2v != 0 && d2v >= d1) out.push_back(d2NotBelowD1(text));
  return out;
}

std::vector<Refusal> checkBoltCount(const std::string& text) {
  return checkField(InputField::BoltCount, text);
}

std::vector<Refusal> checkRowSpacing(std::string& text) {
  if (text.empty()) text = "1000";
  return checkField(InputField::RowSpacing, text);
}

std::optional<Refusal> checkThicknesses(const ProjectState& p) {
  if (p.layerCount() < 2) return std::nullopt;
  for (int r = 2; r <= p.nextLayerRow - 1 && r <= ProjectState::kLayers; ++r) {
    const std::string& t = p.layers[r - 1].thickness;
    if (t.empty()) {
      Refusal w = numberedRefusal(150, {}, " !\r\n");
      w.kind = DlgKind::Warning;
      return inputProblem(w, r);
    }
    if (auto m = fieldRefusal(InputField::Thickness, t, r)) return inputProblem(*m, r);
  }
  return std::nullopt;
}

std::optional<double> bStarFromWidth(const Histogram& width) {
  const int n = binCount(width);
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    sum += width.p[i];
    if (sum >= 0.5) {
      const double b = width.min + i * width.step;
      if (b == 0 || !(b == b)) return std::nullopt;
      return b;
    }
  }
  return std::nullopt;
}

std::string bStarProblemText(Language lang) { return MessageText(33, lang); }

std::string createdSlotName(const std::string& methodText) {
  return "Vytvořen ( " + kDq + methodText + kDq + " )";
}

std::string sendConfirmationText(const std::string& methodText, const std::string& targetText, int layerRow,
                                 Language lang) {
  const std::string where = layerRow > 0 ? "= " + std::to_string(layerRow) : " ";
  return MessageFormat(142, lang, {methodText, targetText, where});
}

KeyVerdict filterKey(KeyClass cls, char32_t c) {
  if (c == U'\b') return {true, false, c};
  const bool digit = c >= U'0' && c <= U'9';
  switch (cls) {
    case KeyClass::Real:
      if (c == U',') return {true, false, U'.'};
      if (c == U'e') return {true, false, U'E'};
      if (digit || c == U'-' || c == U'.' || c == U'E') return {true, false, c};
      return {false, true, 0};
    case KeyClass::Integer:
      if (digit || c == U'E' || c == U'e') return {true, false, c};
      return {false, true, 0};
    case KeyClass::Name: {
      static constexpr std::u32string_view kCzech = U"ÁČÉĚÍŘÚÝŠŽáčéěířůúýšž";
      const bool ok = digit || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || c == U' ' ||
                      c == U'-' || c == U'_' || kCzech.find(c) != std::u32string_view::npos;
      return {ok, false, ok ? c : 0};
    }
  }
  return {};
}

std::string filterText(KeyClass cls, std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const char32_t c = nextCodePoint(text, i);
    if (c == U'\b') continue;
    const KeyVerdict v = filterKey(cls, c);
    if (v.accept) appendUtf8(out, v.replacement);
  }
  return out;
}
