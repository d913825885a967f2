// A mineral oil's viscosity at its working temperature from two points of
// its data sheet: the viscosity-temperature line of ASTM D341 through
// (40 degC, nu40) and (100 degC, nu100), and the viscosity index of
// ISO 2909 / ASTM D2270 where it has a closed form.  Plain C++.
#pragma once
#include <string>

// Kinematic viscosity in mm^2/s at t degC on the line through (40 degC,
// nu40) and (100 degC, nu100): log10 log10 Z = A - B log10 T (T in K),
// Z = nu + 0.7, below 2 mm^2/s nu + 0.7 + exp(-1.47 - 1.84 nu - 0.51 nu^2).
// False with the reason when the two points make no such line (nu100 not
// below nu40, a value not positive).
bool kv_oel_viskositaet(double nu40, double nu100, double t, double& nu, std::string& grund);

// The viscosity index from nu40 and nu100, both in mm^2/s; only for
// nu100 > 70 mm^2/s, where the basic values L and H have a closed form.
// Below, false with the reason (their table is not shipped).
bool kv_oel_viskositaetsindex(double nu40, double nu100, double& vi, std::string& grund);
