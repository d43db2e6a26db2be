#include "tools/molecule_records.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "numbers/formatted_conversions.h"

namespace {

struct EntryData {
    std::string_view symbol;
    std::int32_t link;
    std::int32_t x, y, z;
};

struct MoleculeData {
    std::string_view label;
    std::vector<EntryData> entries;
};

const std::array<MoleculeData, molecule_record_count>& molecules()
{
    static const std::array<MoleculeData, molecule_record_count> table{{
        {"H@d2@O",
         {{" O", 0, 0, 0, 0},
          {" H", 1, 64, 0, 96},
          {" H", 1, 64, 0, -96},
          {"EL", 0, -30, 48, 0},
          {"EL", 0, -30, -48, 0}}},
        {"XeF@d2@",
         {{"Xe", 0, 0, 0, 0},
          {" F", 1, 203, 0, 0},
          {" F", 1, -203, 0, 0},
          {"EL", 0, 0, 0, 80},
          {"EL", 0, 0, 67, -45},
          {"EL", 0, 0, -67, -45}}},
        {"BF@d3@", {{" B", 0, 0, 0, 0}, {" F", 1, -80, 138, 0}, {" F", 1, -80, -138, 0}, {" F", 1, 159, 0, 0}}},
        {"NH@d3@",
         {{" N", 0, 0, 0, 0},
          {" H", 1, 59, 0, 93},
          {" H", 1, 59, 0, -93},
          {" H", 1, -59, 93, 0},
          {"EL", 0, -30, -48, 0}}},
        {"ClF@d3@",
         {{"Cl", 0, 0, 0, 0},
          {" F", 1, 171, 0, 0},
          {" F", 1, 0, 0, 171},
          {" F", 1, 0, 0, -171},
          {"EL", 0, -64, 96, 0},
          {"EL", 0, -64, -96, 0}}},
        {"CCl@d4@",
         {{" C", 0, 0, 0, 0},
          {"Cl", 1, 102, 0, 144},
          {"Cl", 1, 102, 0, -144},
          {"Cl", 1, -102, 144, 0},
          {"Cl", 1, -102, -144, 0}}},
        {"SF@d4@",
         {{" S", 0, 0, 0, 0},
          {" F", 1, 143, 0, 100},
          {" F", 1, 143, 0, -100},
          {" F", 1, 10, 158, 0},
          {" F", 1, 10, -158, 0},
          {"EL", 0, -80, 0, 0}}},
        {"XeF@d4@",
         {{"Xe", 0, 0, 0, 0},
          {" F", 1, 203, 0, 0},
          {" F", 1, -203, 0, 0},
          {"EL", 0, 0, 0, 80},
          {"EL", 0, 0, 0, -80},
          {" F", 1, 0, 203, 0},
          {" F", 1, 0, -203, 0}}},
        {"PF@d5@",
         {{" P", 0, 0, 0, 0},
          {" F", 1, -90, 156, 0},
          {" F", 1, -90, -156, 0},
          {" F", 1, 180, 0, 0},
          {" F", 1, 0, 0, 180},
          {" F", 1, 0, 0, -180}}},
        {"BrF@d5@",
         {{"Br", 0, 0, 0, 0},
          {" F", 1, 186, 0, 0},
          {" F", 1, -186, 0, 0},
          {" F", 1, 0, 0, 186},
          {" F", 1, 0, 0, -186},
          {" F", 1, 0, -186, 0},
          {"EL", 0, 0, 80, 0}}},
        {"SF@d6@",
         {{" S", 0, 0, 0, 0},
          {" F", 1, 174, 0, 0},
          {" F", 1, -174, 0, 0},
          {" F", 1, 0, 0, 174},
          {" F", 1, 0, 0, -174},
          {" F", 1, 0, 174, 0},
          {" F", 1, 0, -174, 0}}},
        {"", {}},
        {"CH@d2@Cl@d2@",
         {{" C", 0, 0, 0, 0},
          {" H", 1, 64, 0, 96},
          {" H", 1, 64, 0, -96},
          {"Cl", 1, -102, 144, 0},
          {"Cl", 1, -102, -144, 0}}},
        {"CHCl@d3@",
         {{" C", 0, 0, 0, 0},
          {" H", 1, 64, 0, 96},
          {"Cl", 1, 102, 0, -144},
          {"Cl", 1, -102, 144, 0},
          {"Cl", 1, -102, -144, 0}}},
        {"HCN",
         {{" C", 0, -70, 0, 0},
          {" N", 1, 70, 0, 0},
          {" H", 1, -177, 0, 0},
          {"DC", 0, -30, 28, 0},
          {"DC", 0, -30, -28, 0},
          {"DN", 4, 30, 28, 0},
          {"DN", 5, 30, -28, 0}}},
        {"CO@d2@",
         {{" C", 0, 0, 0, 0},
          {" O", 0, 0, 142, 0},
          {" O", 0, 0, -142, 0},
          {"DC", 0, -16, 30, 0},
          {"DC", 0, 16, 30, 0},
          {"DO", 4, -16, 112, 0},
          {"DO", 5, 16, 112, 0},
          {"DC", 0, -16, -30, 0},
          {"DC", 0, 16, -30, 0},
          {"DO", 8, -16, -112, 0},
          {"DO", 9, 16, -112, 0}}},
        {"HCHO",
         {{" C", 0, 0, 0, 0},
          {" O", 0, 0, 142, 0},
          {" H", 1, 96, -64, 0},
          {" H", 1, -96, -64, 0},
          {"DC", 0, -16, 30, 0},
          {"DC", 0, 16, 30, 0},
          {"DO", 5, -16, 112, 0},
          {"DO", 6, 16, 112, 0}}},
        {"HCOOH",
         {{" C", 0, 0, 0, 0},
          {" O", 0, 0, 142, 0},
          {" H", 1, 96, -64, 0},
          {" O", 1, -115, -91, 0},
          {" H", 4, -205, -27, 0},
          {"DC", 0, -16, 30, 0},
          {"DC", 0, 16, 30, 0},
          {"DO", 6, -16, 112, 0},
          {"DO", 7, 16, 112, 0}}},
        {"C@d2@H@d2@",
         {{" C", 0, -70, 0, 0},
          {" C", 1, 70, 0, 0},
          {" H", 1, -177, 0, 0},
          {" H", 2, 177, 0, 0},
          {"DC", 0, -28, 28, 0},
          {"DC", 0, -28, -28, 0},
          {"DC", 5, 28, 28, 0},
          {"DC", 6, 28, -28, 0}}},
        {"C@d2@H@d4@",
         {{" C", 0, -70, 0, 0},
          {" C", 0, 70, 0, 0},
          {" H", 1, -160, -90, 0},
          {" H", 1, -160, 90, 0},
          {" H", 2, 160, 90, 0},
          {" H", 2, 160, -90, 0},
          {"DC", 0, -40, 16, 0},
          {"DC", 0, -40, -16, 0},
          {"DC", 7, 40, 16, 0},
          {"DC", 8, 40, -16, 0}}},
    }};
    return table;
}

// Four columns, zero-padded, the minus sign in front: 0138, -080.
std::string coordinate_field(std::int32_t value)
{
    std::array<char, 8> field{};
    std::snprintf(field.data(), field.size(), value < 0 ? "-%03d" : "%04d", std::abs(value));
    return field.data();
}

}  // namespace

std::string molecule_record(std::int32_t k)
{
    if (k < 1 || k > molecule_record_count) return std::string(300, ' ');
    const MoleculeData& molecule = molecules()[static_cast<std::size_t>(k - 1)];
    // The blank slot reads as a count of 0.
    std::string record =
        molecule.entries.empty() ? "  " : format_i(static_cast<std::int32_t>(molecule.entries.size()), 2);
    for (const EntryData& e : molecule.entries)
        record += std::string(e.symbol) + format_i(e.link, 1) + coordinate_field(e.x) + coordinate_field(e.y) +
                  coordinate_field(e.z);
    record += molecule.label;
    record.resize(300, ' ');
    return record;
}
