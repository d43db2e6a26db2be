// Organic compounds, elements and a few further compounds (records 301 to
// 472).
// index, class, formula, name, alternative name, composition
#include "chemistry/table_rows.h"

#include <array>

namespace {

constexpr std::array<CompoundRow, 61> organic_rows{{
    {301, 'm', "C@d6@H@d6@", "benzene", "", "C 06H 06"},
    {302, 'm', "C@d6@H@d5@CH@d3@", "toluene", "", "C 07H 08"},
    {303, 'm', "CH@d4@", "metano", "", "C 01H 04"},
    {304, 'm', "C@d2@H@d6@", "etano", "", "C 02H 06"},
    {305, 'm', "C@d3@H@d8@", "propano", "", "C 03H 08"},
    {306, 'm', "C@d4@H@d10@", "butano", "", "C 04H 10"},
    {307, 'm', "C@d6@H@d14@", "esano", "", "C 06H 14"},
    {308, 'm', "C@d7@H@d16@", "eptano", "", "C 07H 16"},
    {309, 'm', "C@d6@H@d12@", "cicloesano", "", "C 06H 12"},
    {311, 'm', "CH@d3@OH", "alcool metilico", "", "C 01H 04O 01"},
    {312, 'm', "CH@d3@CH@d2@OH", "alcool etilico", "", "C 02H 06O 01"},
    {313, 'm', "(CH@d3@)@d2@CHOH", "alcool isopropilico", "", "C 03H 08O 01"},
    {314, 'm', "CH@d3@CH@d2@CH@d2@CH@d2@OH", "alcool n-butilico", "", "C 04H 10O 01"},
    {315, 'm', "C@d12@H@d22@O@d11@", "saccarosio", "", "C 12H 22O 11"},
    {316, 'm', "C@d6@H@d11@OH", "cicloesanolo", "", "C 06H 12O 01"},
    {317, 'm', "C@d6@H@d5@CH@d2@OH", "alcool benzilico", "", "C 07H 08O 01"},
    {321, 'm', "HCHO", "formaldeide", "", "C 01H 02O 01"},
    {322, 'm', "CH@d3@CHO", "acetaldeide", "", "C 02H 04O 01"},
    {323, 'm', "C@d6@H@d5@CHO", "benzaldeide", "", "C 07H 06O 01"},
    {331, 'm', "HCOOH", "acido formico", "", "C 01H 02O 02"},
    {332, 'm', "CH@d3@COOH", "acido acetico", "", "C 02H 04O 02"},
    {333, 'm', "C@d6@H@d5@COOH", "acido benzoico", "", "C 07H 06O 02"},
    {334, 'm', "(COOH)@d2@", "acido ossalico", "", "C 02H 02O 04"},
    {335, 'm', "(COOH)@d2@.2H@d2@O", "acido ossalico biidrato", "", "C 02O 06H 06"},
    {361, 'm', "CH@d3@COCH@d3@", "acetone", "", "C 03O 01H 06"},
    {371, 'm', "CH@d3@Cl", "cloruro di metile", "", "C 01H 03Cl01"},
    {372, 'm', "CH@d2@Cl@d2@", "cloruro di metilene", "", "C 01H 02Cl02"},
    {373, 'm', "CHCl@d3@", "cloroformio", "", "C 01H 01Cl03"},
    {374, 'm', "CCl@d4@", "tetracloruro di carbonio", "", "C 01Cl04"},
    {375, 'm', "C@d6@H@d5@Cl", "clorobenzene", "", "C 06H 05Cl01"},
    {376, 'm', "CF@d4@", "tetrafluoruro di carbonio", "", "C 01F 04"},
    {377, 'm', "C@d6@H@d5@Br", "bromobenzene", "", "C 06H 05Br01"},
    {381, 'm', "CH@d3@NH@d2@", "metilammina", "", "C 01H 05N 01"},
    {382, 'm', "C@d6@H@d5@NH@d2@", "anilina", "", "C 06H 07N 01"},
    {383, 'm', "NH@d2@CONH@d2@", "urea", "", "C 01O 01H 04N 02"},
    {401, 'm', "CH@d3@CH@d2@OCH@d2@CH@d3@", "etere etilico", "", "C 04O 01H 10"},
    {421, 'm', "C@d2@H@d4@", "etilene", "", "C 02H 04"},
    {422, 'm', "C@d2@H@d2@", "acetilene", "", "C 02H 02"},
    {423, 'm', "C@d3@H@d6@", "propene", "", "C 03H 06"},
    {451, 'e', "C", "carbonio", "", "C 01"},
    {452, 'e', "Na", "sodio", "", "Na01"},
    {453, 'e', "Al", "alluminio", "", "Al01"},
    {454, 'e', "Mn", "manganese", "", "Mn01"},
    {455, 'e', "Hg", "mercurio", "", "Hg01"},
    {456, 'e', "S", "zolfo", "", "S 01"},
    {457, 'e', "He", "elio", "", "He01"},
    {458, 'e', "Ne", "neo", "", "Ne01"},
    {459, 'e', "Ar", "argo", "", "Ar01"},
    {460, 'e', "Cu", "rame", "", "Cu01"},
    {461, 'e', "Fe", "ferro", "", "Fe01"},
    {462, 'e', "Xe", "xeno", "", "Xe01"},
    {463, 'e', "Ag", "argento", "", "Ag01"},
    {464, 'e', "Au", "oro", "", "Au01"},
    {465, 'e', "Pb", "piombo", "", "Pb01"},
    {466, 'e', "Kr", "cripto", "", "Kr01"},
    {467, 'e', "Zn", "zinco", "", "Zn01"},
    {468, 'e', "K", "potassio", "", "K 01"},
    {469, 'e', "Ga", "gallio", "", "Ga01"},
    {470, 'i', "AgClO@d3@", "clorato di argento", "", "Ag01Cl01O 03"},
    {471, 'm', "COCl@d2@", "fosgene", "", "C 01O 01Cl02"},
    {472, 'm', "NOBr", "bromuro di nitrosile", "", "N 01O 01Br01"},
}};
static_assert(names_match(organic_rows, 301, compound_slots));

}  // namespace

std::span<const CompoundRow> organic_compound_rows()
{
    return organic_rows;
}
