#include "ui/Pelmora.h"

// The input area: the layer table, the one-row histogram tables, the edits and the histogram panel.
void TForm1::setupInputArea() {}
