#pragma once

#include <vector>

#include "shell/Encoding.h"

struct Services;

/// Before a Windows-1250 file is written: when `texts` lose letters, a warning names each text and
/// its letters and asks whether to save anyway (Yes / No, default No). True when nothing is lost
/// or the answer is Yes.
bool confirmLostLetters(const Services& services, const std::vector<UnencodableText>& texts);

/// Lets the settings file ask before a value loses letters (once per text and run) and report its
/// first failed write of the run in a warning.
void watchSettingsWrites(Services& services);
