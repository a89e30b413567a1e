#pragma once

// How the results of a results file were made, which the file does not say.

#include "project/ChainReading.h"
#include "project/ProjectState.h"

/// Makes R and S of `project` (as read from a results file) again from its stored inputs, S from the
/// stored R, under `preferred` first and then under the other readings, and records the first reading
/// that gives each bit for bit (`reducedStrengthReading`; `boltLengthReading` and `boltLoadReading`
/// both take the reading of S). When no reading gives S, `preferred` is recorded and
/// `boltLoadReadingKnown` is cleared; the results themselves are not changed.
void settleStoredReading(ProjectState& project, ChainReading preferred);
