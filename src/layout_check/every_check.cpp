#include "layout_check/item_checks.h"

namespace layout_check {

std::vector<Fault> LayoutRecorder::every_fault(const LayoutRect& area) const
{
    std::vector<Fault> found = faults(area);
    // One check a line.
    append(found, texts_off_discs());
    append(found, labels_off_buttons());
    return found;
}

}  // namespace layout_check
