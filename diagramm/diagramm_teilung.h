// A diagram's axes as drawn: the range made drawable, where a value lies
// along it, the ticks evenly stepped by 1, 2 or 5 with their numbers (and
// the minor lines of a log axis), the title with its unit.  Plain C++.
#pragma once
#include "diagramm.h"

#include <string>
#include <vector>

// The range actually drawn: finite, ascending, positive on a log axis.
Achse bereinigt(Achse a);

// Where v lies along the axis, 0 at its start and 1 at its end.
double anteil(const Achse& a, double v);

struct Teilung {
    std::vector<double> werte;
    std::vector<std::string> texte;
    std::vector<double> neben; // minor lines of a log axis
};

// About anzahl ticks over the axis (fewer where the steps allow no more).
Teilung teilen(const Achse& a, int anzahl);

// "titel / einheit", a quotient unit in parentheses.
std::string achsentitel(const Achse& a);
