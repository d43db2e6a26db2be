#include "chemistry/acid_base_constants.h"

#include <cmath>
#include <string>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/value_kit.h"

namespace {

double written(const AcidBaseConstant& row)
{
    return read_list_double(row.value).value_or(NAN);
}

// The constant in double precision, a conjugate's rounded to its digits
// once.
double shown_double(const ShownConstant& constant)
{
    const double row = written(*constant.row);
    if (constant.conjugate_digits <= 0) return row;
    return read_list_double(format_e(water_ion_product / row, 20, constant.conjugate_digits)).value_or(NAN);
}

// -log10 of the pair's acid constant to two decimals.
double rounded_pka(const BufferPair& pair)
{
    const double k = written(*pair.partner_constant);
    const double acid = pair.base_partner ? water_ion_product / k : k;
    return std::round(-std::log10(acid) * 100.0) / 100.0;
}

}  // namespace

float shown_constant(const ShownConstant& constant)
{
    return static_cast<float>(shown_double(constant));
}

void set_slot_constant(std::int32_t slot, const ShownConstant& constant)
{
    if (constant.conjugate_digits <= 0)
        set_slot_text(slot, constant.row->value);
    else
        set_slot_digits(slot, shown_constant(constant), constant.conjugate_digits);
}

float buffer_pka(const BufferPair& pair)
{
    return static_cast<float>(rounded_pka(pair));
}

std::string buffer_pka_text(const BufferPair& pair)
{
    return std::string(strip_blanks(format_f(rounded_pka(pair), 10, 2)));
}
