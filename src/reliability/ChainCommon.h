#pragma once

// Helpers shared by the commands of the computation chain (not part of the public interface).

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

#include "histogram/Histogram.h"
#include "histogram/HistogramArithmetic.h"
#include "project/ProjectState.h"
#include "reliability/InputChecks.h"
#include "reliability/PressureLoop.h"
#include "shell/ChainMessages.h"

/// Appends message `number` to `report` and returns it (not ok), for `return refuse(...)`.
inline ChainReport& refuse(ChainReport& report, int number, DlgKind kind = DlgKind::Error,
                           std::initializer_list<std::string> args = {},
                           FocusField focus = FocusField::None) {
  Refusal m;
  m.message = number;
  m.kind = kind;
  m.args = args;
  m.focus = focus;
  report.ok = false;
  report.messages.push_back(std::move(m));
  return report;
}

inline ChainReport& refuse(ChainReport& report, int number, std::initializer_list<std::string> args) {
  return refuse(report, number, DlgKind::Error, args);
}

/// Refuses a depth H that is missing (message 51) or no depth (message 145), with the focus on EdH;
/// false when H is a depth.
inline bool refusedDepth(ChainReport& report, const ProjectState& p) {
  if (p.depthH.empty()) {
    refuse(report, 51, DlgKind::Error, {}, FocusField::EdH);
    return true;
  }
  auto m = fieldRefusal(InputField::DepthH, p.depthH);
  if (!m) return false;
  report.ok = false;
  report.messages.push_back(std::move(*m));
  return true;
}

/// Refuses a width histogram holding widths of 0 or below; false when it holds none.
inline bool refusedWidth(ChainReport& report, const ProjectState& p) {
  auto m = widthRefusal(p.width.histogram);
  if (!m) return false;
  report.ok = false;
  report.messages.push_back(std::move(*m));
  return true;
}

/// A slot without its histogram: no name, or a name whose file was never read into it (a project
/// naming a missing file keeps the name in its cell).
inline bool missingInput(const HistogramSlot& slot) { return slot.empty() || isEmptyRecord(slot.histogram); }

/// Refuses with the missing-input message `number` of `slot`; when its cell names a file that was
/// not read, the file name follows the message.
inline ChainReport& refuseMissing(ChainReport& report, const HistogramSlot& slot, int number,
                                  std::initializer_list<std::string> args = {}, std::string suffix = {}) {
  refuse(report, number, args);
  if (!slot.empty()) suffix += "\r\n\r\n    ( " + slot.name + " )";
  report.messages.back().extra = std::move(suffix);
  return report;
}

/// A histogram the arithmetic can work with: at least one bin, a positive finite step, finite centres.
inline bool usableHistogram(const Histogram& h) {
  return binCount(h) >= 1 && h.step > 0 && std::isfinite(h.step) && std::isfinite(h.min) &&
         std::isfinite(h.max);
}

/// Message 35: the values of a histogram would divide by zero.
inline constexpr int kZeroWidthMessage = 35;

/// Our own refusal for values beyond the range of doubles (no numbered message says it).
inline ChainReport& refuseOverflow(ChainReport& report) {
  report.ok = false;
  report.messages.push_back(ownRefusal(RefusalText::ChainOverflow));
  return report;
}

/// Maps the status of the pressure loop onto the command's report; true when the loop completed.
inline bool loopCompleted(ChainReport& report, int emptyRangeMessage, int status /*LoopStatus*/) {
  if (status == 1) refuse(report, emptyRangeMessage);
  if (status == 2) refuseOverflow(report);
  return status == 0;
}

/// The pressure loop of the bolt length or the bolt load over the product `t` and the support resistance
/// `q` as read (nullptr without combined support): the normalised, trimmed result, or nullopt with the
/// refusal in `report` (`emptyRangeMessage` when every corner value is the same).
inline std::optional<Histogram> pressureStep(ChainReport& report, int emptyRangeMessage, const Histogram& t,
                                             const Histogram* q, const ProjectState& p,
                                             const LoopProgress& progress, int threads, PairValues values) {
  Histogram out;
  const LoopStatus status =
      pressureLoop(t, q, p.reducedStrength, fieldValue(InputField::DepthH, p.depthH).value_or(0), out,
                   progress, threads, values);
  if (!loopCompleted(report, emptyRangeMessage, static_cast<int>(status))) return std::nullopt;
  NormaliseHistogram(kMaxBins, out);
  TrimHistogram(out);
  return out;
}

/// The refusal of a histogram operation, worded by the arithmetic in both languages.
inline ChainReport& refuseArithmetic(ChainReport& report, const HistogramOpResult& op) {
  report.ok = false;
  report.messages.push_back(op.refusal());
  return report;
}
