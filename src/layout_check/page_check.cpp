#include "layout_check/page_check.h"

#include "frame/app_state.h"
#include "frame/page_commands.h"
#include "frame/problem_page.h"
#include "frame/status_header.h"
#include "layout_check/item_checks.h"
#include "text/page_regions.h"

namespace layout_check {

namespace {

const char* element_name(PageElement e)
{
    switch (e) {
    case PageElement::statement: return "testo";
    case PageElement::figure: return "figura";
    case PageElement::answer: return "risposta";
    case PageElement::fact: return "fatto";
    }
    return "?";
}

// Elements of the page that overlap: a fact box under anything, or two
// elements of which one is not a part of the other's statement.
LayoutRect rect_of(const PageRect& r)
{
    return {r.x1, r.y1, r.x2, r.y2};
}

std::vector<Fault> overlapping_elements()
{
    std::vector<Fault> found;
    const auto& regions = page_regions.regions;
    for (std::size_t i = 0; i < regions.size(); ++i) {
        for (std::size_t j = i + 1; j < regions.size(); ++j) {
            const PageRegion& a = regions[i];
            const PageRegion& b = regions[j];
            if (!a.rect.overlaps(b.rect) || (a.element == b.element && a.element != PageElement::fact)) continue;
            // A structure drawn inside the answer box belongs to the answer.
            const std::int32_t cx = (b.rect.x1 + b.rect.x2) / 2, cy = (b.rect.y1 + b.rect.y2) / 2;
            if (a.element == PageElement::answer && b.element == PageElement::figure && cx >= a.rect.x1 &&
                cx <= a.rect.x2 && cy >= a.rect.y1 && cy <= a.rect.y2)
                continue;
            found.push_back({FaultKind::elements_overlap,
                             rect_of(b.rect),
                             rect_of(a.rect),
                             {element_name(b.element), element_name(a.element)}});
        }
    }
    return found;
}

}  // namespace

std::string sentence(const PageFault& fault)
{
    return std::to_string(fault.chapter) + "." + std::to_string(fault.problem) + " v" + std::to_string(fault.version) +
           ": " + sentence(fault.fault);
}

std::vector<PageFault> problem_page_faults(LayoutRecorder& recorder)
{
    recorder.clear();
    redraw_problem_page();
    show_results();
    std::vector<Fault> faults = recorder.every_fault(rect_of(problem_area));
    append(faults, overlapping_elements());
    append(faults, status_line_faults(recorder));
    std::vector<PageFault> found;
    for (Fault& fault : faults)
        found.push_back(
            {app_state.current_chapter, app_state.selected_problem, app_state.version_number, std::move(fault)});
    return found;
}

std::vector<Fault> status_line_faults(LayoutRecorder& recorder)
{
    recorder.clear();
    forget_status_header();
    draw_status_header();
    return texts_out_of(recorder.items(), rect_of(status_field));
}

std::int32_t spread_version(std::int32_t k)
{
    // Steps of the golden section of the range, prime to it: the versions
    // never repeat, and the first ones of the list, however many, lie evenly
    // over the range.
    constexpr std::int64_t range = spread_version_count;
    constexpr std::int64_t step = 6180340;
    return static_cast<std::int32_t>(1 + k * step % range);
}

}  // namespace layout_check
