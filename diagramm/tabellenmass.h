// Text measured from the table of DejaVu Sans's advance widths, kerning
// ignored: the same numbers on every machine, with no font library (the
// SVG file, the web page).  A character outside the table counts as "?".
#pragma once
#include "textmass.h"

class TabellenMass : public Textmass {
public:
    Textmasse messen(const std::string& text, Schrift s, double breite_max = -1) const override;
};
