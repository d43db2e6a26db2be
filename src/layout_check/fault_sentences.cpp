// The faults in the words the snapshot tool has always printed: scripts and
// readers of its output find the same lines.
#include <string>

#include "layout_check/fault.h"

namespace layout_check {

namespace {

using K = FaultKind;

std::string corner(const LayoutRect& r)
{
    return "(" + std::to_string(r.x1) + "," + std::to_string(r.y1) + ")";
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// A text by its rectangle, and by its cell's corner as the ink checks name it.
std::string text_in(const std::string& text, const LayoutRect& r)
{
    return "testo " + quoted(text) + " " + corners(r);
}
std::string text_at(const std::string& text, const LayoutRect& cell)
{
    return "testo " + quoted(text) + " " + corner(cell);
}

std::string point_apart(const Fault& f, const std::string& from)
{
    const std::string point = "punto segnato " + corners(f.rect);
    return f.pixels == 0 ? point + " sul " + from : point + " a " + std::to_string(f.pixels) + " pixel dal " + from;
}

}  // namespace

std::string corners(const LayoutRect& r)
{
    return corner(r) + "-(" + std::to_string(r.x2) + "," + std::to_string(r.y2) + ")";
}

std::string sentence(const Fault& f)
{
    const auto text = [&f](std::size_t k) { return k < f.texts.size() ? f.texts[k] : std::string(); };
    const std::string box = "riquadro " + corners(f.other);
    const std::string stroke = "tratto " + corners(f.other);
    switch (f.kind) {
    case K::text_out_of_area: return text_in(text(0), f.rect) + " esce dall'area del problema";
    case K::text_out_of_field: return text_in(text(0), f.rect) + " esce dal suo campo";
    case K::text_out_of_box: return text_in(text(0), f.rect) + " esce dal suo " + box;
    case K::text_off_disc: return text_in(text(0), f.rect) + " esce dal suo disco " + corners(f.other);
    case K::text_covered: return text_in(text(0), f.rect) + " coperto dal " + box;
    case K::text_on_text: return text_in(text(0), f.rect) + " scritto sul " + text_in(text(1), f.other);
    case K::text_crossed: return text_in(text(0), f.rect) + " attraversato dal " + stroke;
    case K::text_crossed_earlier: return text_in(text(0), f.rect) + " attraversato dal " + stroke + ", disegnato prima";
    case K::text_touched_by_rule: return text_in(text(0), f.rect) + " toccato dal " + stroke;
    case K::text_under_point: return text_in(text(0), f.rect) + " con un punto segnato sopra, " + box;
    case K::stroke_covered: return "tratto " + corners(f.rect) + " coperto dal " + box;
    case K::text_against_text: return text_at(text(0), f.rect) + " scritto a contatto del " + text_at(text(1), f.other);
    case K::text_touches_text: return text_at(text(0), f.rect) + " tocca il " + text_at(text(1), f.other);
    case K::text_cut_by_panel: return text_at(text(0), f.rect) + " tagliato dal bordo del suo " + box;
    case K::text_on_panel_edge: return text_at(text(0), f.rect) + " tocca il bordo del suo " + box;
    case K::label_off_button:
        return text_at(text(0), f.rect) + " a " + std::to_string(f.pixels) + " pixel dal bordo del suo pulsante " +
               corners(f.other);
    case K::unit_parted: return quoted(text(0)) + " a fine riga, la sua unità " + quoted(text(1)) + " sotto";
    case K::equals_parted: return quoted(text(0)) + " a fine riga, il suo valore " + quoted(text(1)) + " sotto";
    case K::formula_parted:
        return "formula spezzata tra " + quoted(text(0)) + " e " + quoted(text(1)) + " benché la riga la contenga";
    case K::stretched_line:
        return "riga stirata: " + std::to_string(f.pixels) + " pixel tra le parole di " +
               quoted(text(0) + " ... " + text(1)) + ", dove una riga non giustificata ne lascia " +
               std::to_string(f.blank);
    case K::point_cut_by_frame:
        return "punto segnato " + corners(f.rect) + " tagliato dal bordo del grafico " + corners(f.other);
    case K::point_near_frame: return point_apart(f, "bordo del grafico " + corners(f.other));
    case K::point_near_line: return point_apart(f, stroke);
    case K::path_near_junction:
        return "percorso " + corners(f.rect) + " a " + std::to_string(f.pixels) +
               " pixel dall'incontro delle linee in " + corner(f.other);
    case K::shadow_on_box: return "l'ombra del riquadro " + corners(f.rect) + " sul " + box;
    case K::box_on_shadow: return "riquadro " + corners(f.rect) + " attaccato all'ombra del " + box;
    case K::box_on_border: return "riquadro " + corners(f.rect) + " attaccato al bordo del " + box;
    case K::charge_on_stroke:
        return "carica " + text(0) + " " + corner(f.rect) + " su un legame o un doppietto " + corner(f.other);
    case K::charge_touches_stroke:
        return "carica " + text(0) + " " + corner(f.rect) + " tocca un legame o un doppietto " + corner(f.other);
    case K::charges_joined:
        return "cariche " + text(0) + " " + corner(f.rect) + " e " + text(1) + " " + corner(f.other) + " attaccate";
    case K::elements_overlap: return text(0) + " sopra " + text(1) + " " + corner(f.rect);
    }
    return "?";
}

}  // namespace layout_check
