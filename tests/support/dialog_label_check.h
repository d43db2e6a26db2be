// Fixed labels of a dialog as the Qt window shows them: a label's text must
// stand whole inside its box, each word on one line, or the student reads
// it cut ("y2=" on two lines with its digits halved).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace testing_support {

// One line for each fixed label (a static text with a text in the resource
// table) whose text, wrapped at the box's width, needs more lines than the
// box holds, or has a word wider than the box: the id, the text, the sizes.
// Needs the test program's Qt application.
std::vector<std::string> labels_cut(const Dialog& dialog);

// The lines in which the window shows a static text of the dialog.
std::vector<std::string> label_lines(const Dialog& dialog, std::int32_t control_id);

}  // namespace testing_support
