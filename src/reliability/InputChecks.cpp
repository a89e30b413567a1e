#include "reliability/InputChecks.h"

#include "ralvex/Ralvex.h"
#include "shell/Encoding.h"
#include "shell/Messages.h"

namespace {

const std::string kDq = "\"";

InputProblem error(int message, std::string text) { return {message, std::move(text), false, 0}; }

bool positive(const std::string& text) {
  auto v = parseInputNumber(text);
  return v && *v > 0;
}

}  // namespace

std::optional<double> parseInputNumber(std::string_view text) {
  double x = 0;
  if (text.empty() || !ralvex::parseDouble(text, x)) return std::nullopt;
  return x;
}

std::vector<InputProblem> checkDepthH(const std::string& text, Language lang) {
  if (text.empty() || positive(text)) return {};
  return {error(145, MessageText(145, lang) + text + " )")};
}

std::vector<InputProblem> checkD1(const std::string& text, Language lang) {
  if (text.empty() || positive(text)) return {};
  return {error(146, MessageText(146, lang) + " " + kDq + "d1" + kDq + " !  ( " + text + " )\r\n")};
}

std::vector<InputProblem> checkD2(std::string& text, const std::string& d1Text, Language lang) {
  if (text.empty()) text = "0";
  std::vector<InputProblem> out;
  const auto d2 = parseInputNumber(text);
  if (!d2 || *d2 < 0)
    out.push_back(error(146, MessageText(146, lang) + " " + kDq + " d2 " + kDq + " !  ( " + text + " )\r\n"));
  const double d1 = parseInputNumber(d1Text).value_or(0);
  const double d2v = d2.value_or(0);
  if (d2v != 0 && d2v >= d1)
    out.push_back(error(
        146, MessageText(146, lang) + " " + kDq + "d2" + kDq + " ( d2 >= d1 )  !  ( " + text + " )\r\n"));
  return out;
}

std::vector<InputProblem> checkBoltCount(const std::string& text, Language lang) {
  if (positive(text)) return {};
  return {error(147, MessageText(147, lang) + text + " )\r\n")};
}

std::vector<InputProblem> checkRowSpacing(std::string& text, Language lang) {
  if (text.empty()) text = "1000";
  if (positive(text)) return {};
  return {error(155, MessageFormat(155, lang, {text}))};
}

std::optional<InputProblem> checkThicknesses(const ProjectState& p, Language lang) {
  if (p.layerCount() < 2) return std::nullopt;
  for (int r = 2; r <= p.nextLayerRow - 1 && r <= ProjectState::kLayers; ++r) {
    const std::string& t = p.layers[r - 1].thickness;
    if (t.empty()) return InputProblem{150, MessageText(150, lang) + layerRowLabel(r) + " !\r\n", true, r};
    if (!positive(t))
      return InputProblem{149, MessageText(149, lang) + layerRowLabel(r) + " ! ( " + t + " )\r\n", false, r};
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
