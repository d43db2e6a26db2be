#include "layout_check/layout_check.h"

namespace layout_check {

std::vector<std::string> LayoutRecorder::every_fault(const LayoutRect& area) const
{
    std::vector<std::string> found = faults(area);
    const auto add = [&found](std::vector<std::string> more) {
        for (std::string& fault : more) found.push_back(std::move(fault));
    };
    // One check a line.
    add(texts_off_discs());
    add(labels_off_buttons());
    return found;
}

}  // namespace layout_check
