// Hydrogen fluoride's vapour as an ideal mixture of the monomer, open chains
// (HF)n and the ring hexamer (HF)6: how much denser it is than the monomer.
#pragma once

// The vapour's density at `kelvin` and `atm` (above 0) over the monomer's
// as an ideal gas there, which is its mean molar mass over HF's: 1 where
// the vapour is the monomer alone.
double hydrogen_fluoride_association(double kelvin, double atm);
