// Further oxides, hydrides and salts, water vapour (records 231 to 299).
// index, class, formula, name, alternative name, composition
#include "chemistry/table_rows.h"

#include <array>

namespace {

constexpr std::array<CompoundRow, 54> salt_rows{{
    {231, 'i', "Pb@d3@O@d4@", "tetraossido di tripiombo", "minio", "Pb03O 04"},
    {232, 'i', "Mn@d3@O@d4@", "tetraossido di trimanganese", "", "Mn03O 04"},
    {233, 'i', "SnCl@d4@", "tetracloruro di stagno", "", "Sn01Cl04"},
    {234, 'm', "N@d2@H@d4@", "idrazina", "", "N 02H 04"},
    {235, 'm', "AsH@d3@", "arsina", "", "As01H 03"},
    {236, 'm', "H@d2@O", "acqua", "", "H 02O 01"},
    {251, 'i', "Ca@d3@(PO@d4@)@d2@", "ortofosfato di calcio", "", "Ca03P 02O 08"},
    {252, 'i', "Na@d4@P@d2@O@d7@", "pirofosfato di sodio", "", "Na04P 02O 07"},
    {253, 'i', "Ca(PO@d3@)@d2@", "metafosfato di calcio", "", "Ca01P 02O 06"},
    {254, 'i', "Al@d4@(SiO@d4@)@d3@", "ortosilicato di alluminio", "", "Al04Si03O 12"},
    {255, 'i', "K@d6@Si@d2@O@d7@", "pirosilicato di potassio", "", "K 06Si02O 07"},
    {256, 'i', "Na@d2@SiO@d3@", "metasilicato di sodio", "", "Na02Si01O 03"},
    {257, 'i', "K@d3@BO@d3@", "ortoborato di potassio", "", "K 03B 01O 03"},
    {258, 'i', "CaSiO@d3@", "metasilicato di calcio", "", "Ca01Si01O 03"},
    {259, 'i', "Na@d3@BO@d3@", "ortoborato di sodio", "", "Na03B 01O 03"},
    {260, 'i', "KClO@d3@", "clorato di potassio", "", "K 01Cl01O 03"},
    {261, 'i', "NH@d4@Cl", "cloruro di ammonio", "", "N 01H 04Cl01"},
    {262, 'i', "MnCl@d2@", "dicloruro di manganese", "", "Mn01Cl02"},
    {263, 'i', "Ca@d3@(BO@d3@)@d2@", "ortoborato di calcio", "", "Ca03B 02O 06"},
    {264, 'i', "Na@d3@PO@d4@", "ortofosfato di sodio", "", "Na03P 01O 04"},
    {265, 'i', "Na@d3@AsO@d4@", "arseniato di sodio", "", "Na03As01O 04"},
    {266, 'i', "Ca@d3@(AsO@d4@)@d2@", "arseniato di calcio", "", "Ca03As02O 08"},
    {267, 'i', "NaIO@d3@", "iodato di sodio", "", "Na01I 01O 03"},
    {268, 'i', "NaH@d2@PO@d4@", "diidrogenofosfato di sodio", "", "Na01H 02P 01O 04"},
    {269, 'm', "XeF@d2@", "difluoruro di xeno", "", "Xe01F 02"},
    {270, 'i', "NaAsO@d2@", "metaarsenito di sodio", "", "Na01As01O 02"},
    {271, 'i', "AuCl@d3@", "tricloruro di oro", "", "Au01Cl03"},
    {272, 'i', "Hg@d2@Cl@d2@", "cloruro mercuroso", "", "Hg02Cl02"},
    {273, 'm', "I@d2@O@d5@", "pentossido di diiodio", "", "I 02O 05"},
    {274, 'i', "CsCl", "cloruro di cesio", "", "Cs01Cl01"},
    {275, 'i', "MgO", "ossido di magnesio", "", "Mg01O 01"},
    {276, 'i', "NiO", "ossido di nichel", "", "Ni01O 01"},
    {277, 'i', "PbI@d2@", "ioduro di piombo", "", "Pb01I 02"},
    {278, 'i', "HgBr@d2@", "bromuro mercurico", "", "Hg01Br02"},
    {279, 'i', "SnI@d2@", "ioduro stannoso", "", "Sn01I 02"},
    {280, 'i', "K@d2@CrO@d4@", "cromato di potassio", "", "K 02Cr01O 04"},
    {281, 'i', "Na@d2@CrO@d4@", "cromato di sodio", "", "Na02Cr01O 04"},
    {282, 'i', "CuSO@d4@.5H@d2@O", "solfato di rame pentaidrato", "", "Cu01S 01O 09H 10"},
    {283, 'i', "Na@d2@B@d4@O@d7@.10H@d2@O", "borace", "", "Na02B 04O 17H 20"},
    {284, 'i', "KIO@d3@", "iodato di potassio", "", "K 01I 01O 03"},
    {285, 'i', "CH@d3@COONa", "acetato di sodio", "", "Na01C 02H 03O 02"},
    {286, 'i', "Na@d2@C@d2@O@d4@", "ossalato di sodio", "", "Na02C 02O 04"},
    {287, 'i', "K@d2@Cr@d2@O@d7@", "dicromato di potassio", "", "K 02Cr02O 07"},
    {288, 'i', "CaCrO@d4@", "cromato di calcio", "", "Ca01Cr01O 04"},
    {289, 'i', "KMnO@d4@", "permanganato di potassio", "", "K 01Mn01O 04"},
    {291, 'i', "Ag@d3@AsO@d4@", "arseniato di argento", "", "Ag03As01O 04"},
    {292, 'i', "Ce@d2@(C@d2@O@d4@)@d3@", "ossalato di cerio", "", "Ce02C 06O 12"},
    {293, 'i', "KCN", "cianuro di potassio", "", "K 01C 01N 01"},
    {294, 'i', "Ag@d2@S@d2@O@d3@", "tiosolfato di argento", "", "Ag02S 02O 03"},
    {295, 'i', "CaCl@d2@.2H@d2@O", "cloruro di calcio biidrato", "", "Ca01Cl02O 02H 04"},
    {296, 'i', "CrCl@d3@", "tricloruro di cromo", "", "Cr01Cl03"},
    {297, 'i', "Na@d2@MnO@d4@", "manganato di sodio", "", "Na02Mn01O 04"},
    {298, 'i', "NaClO", "ipoclorito di sodio", "", "Na01Cl01O 01"},
    {299, 'i', "Na@d2@HPO@d4@", "idrogenofosfato di sodio", "", "Na02H 01P 01O 04"},
}};
static_assert(names_match(salt_rows, 231, 300));

}  // namespace

std::span<const CompoundRow> further_compound_rows()
{
    return salt_rows;
}
