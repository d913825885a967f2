// A diagram as a PNG picture, an SVG or a PDF file, chosen by the file's
// extension (.png, .svg, .pdf, any case).  The file is made in memory and
// then put in place whole: a failed write leaves no half file and keeps
// a file that was there before.
#pragma once
#include "diagramm.h"

#include <string>

inline constexpr int DIAGRAMM_BREITE = 800, DIAGRAMM_HOEHE = 500;
// Largest edge accepted, in pixels (points for PDF and SVG).
inline constexpr int DIAGRAMM_KANTE_MAX = 10000;

enum class Dateiart { unbekannt, png, svg, pdf };

// The kind of file its name asks for.
Dateiart diagramm_dateiart(const std::string& pfad);

// Writes d at breite x hoehe pixels (points for PDF and SVG).  On failure
// returns false and a German message in fehler; the target is then as it was.
bool diagramm_schreiben(const Diagramm& d, const std::string& pfad, int breite, int hoehe,
                        std::string& fehler);

// Reads a size "BREITExHOEHE" (e.g. "800x500", also with "X"); false when the
// text is no such size or an edge lies outside 1 to DIAGRAMM_KANTE_MAX.
bool diagramm_groesse_lesen(const std::string& text, int& breite, int& hoehe);
