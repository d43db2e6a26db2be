#include "layout_check/page_check.h"

#include "frame/app_state.h"
#include "frame/page_commands.h"
#include "frame/problem_page.h"
#include "frame/status_header.h"
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
std::vector<std::string> overlapping_elements()
{
    std::vector<std::string> found;
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
            found.push_back(std::string(element_name(b.element)) + " sopra " + element_name(a.element) + " (" +
                            std::to_string(b.rect.x1) + "," + std::to_string(b.rect.y1) + ")");
        }
    }
    return found;
}

}  // namespace

std::vector<std::string> problem_page_faults(LayoutRecorder& recorder)
{
    recorder.clear();
    redraw_problem_page();
    show_results();
    std::vector<std::string> faults =
        recorder.every_fault({problem_area.x1, problem_area.y1, problem_area.x2, problem_area.y2});
    for (std::string& overlap : overlapping_elements()) faults.push_back(std::move(overlap));
    recorder.clear();
    forget_status_header();
    draw_status_header();
    for (std::string& fault :
         recorder.texts_out_of({status_field.x1, status_field.y1, status_field.x2, status_field.y2}))
        faults.push_back(std::move(fault));
    const std::string name = std::to_string(app_state.current_chapter) + "." +
                             std::to_string(app_state.selected_problem) + " v" +
                             std::to_string(app_state.version_number) + ": ";
    for (std::string& fault : faults) fault.insert(0, name);
    return faults;
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
