// A diagram as plain data: axes, curves, reference lines, markers,
// dimension arrows, shaded bands, texts, legend, title and note, all in data
// coordinates.  Each calculator fills one from its computation; one renderer
// draws any of them.  Knows neither GTK nor cairo.
#pragma once
#include <string>
#include <vector>

struct Farbe {
    double r = 0, g = 0, b = 0; // 0 to 1
};

namespace farben {
inline constexpr Farbe schwarz{0, 0, 0};
inline constexpr Farbe grau{0.45, 0.45, 0.45};
inline constexpr Farbe blau{0.12, 0.35, 0.75};
inline constexpr Farbe gruen{0.10, 0.55, 0.20};
inline constexpr Farbe rot{0.85, 0.10, 0.10};
inline constexpr Farbe orange{0.90, 0.50, 0.05};
inline constexpr Farbe violett{0.50, 0.20, 0.65};
inline constexpr Farbe hellrot{1.0, 0.90, 0.88};
} // namespace farben

enum class Strich { voll, gestrichelt, punktiert };
enum class Form { kreis, quadrat, raute };
// Where a label goes relative to its point or arrow.
enum class Seite { rechts, links, oben, unten };

struct Punkt {
    double x = 0, y = 0;
};

struct Achse {
    std::string titel;   // e.g. "Schlankheitsgrad lambda"
    std::string einheit; // e.g. "N/mm^2"; empty for a pure number
    double min = 0, max = 1;
    bool logarithmisch = false;
};

// A polyline through the points in order.
struct Kurve {
    std::vector<Punkt> punkte;
    Farbe farbe;
    Strich strich = Strich::voll;
    double breite = 2; // pixels at the renderer's base size
};

// A horizontal (y = wert) or vertical (x = wert) line across the plot.
struct Bezugslinie {
    bool senkrecht = false;
    double wert = 0;
    Farbe farbe;
    Strich strich = Strich::gestrichelt;
    std::string beschriftung; // written at the line's far end, may be empty
};

struct Marke {
    Punkt p;
    Farbe farbe;
    Form form = Form::kreis;
    std::string beschriftung;
    Seite seite = Seite::rechts; // preferred side of the label
};

// A dimension: a straight line with arrow heads at both ends and its name
// beside the middle.
struct Bemassung {
    Punkt von, bis;
    Farbe farbe;
    std::string beschriftung;
    Seite seite = Seite::rechts;
};

// A shaded band between two x values over the whole height of the plot.
struct Band {
    double x1 = 0, x2 = 0;
    Farbe farbe;
    std::string beschriftung; // written at the top inside the band
};

struct Text {
    Punkt p;
    std::string text;
    Farbe farbe;
};

enum class Eintragsart { linie, marke, flaeche };

struct Legendeneintrag {
    std::string text;
    Farbe farbe;
    Eintragsart art = Eintragsart::linie;
    Strich strich = Strich::voll;
    Form form = Form::kreis;
};

struct Diagramm {
    std::string titel;
    std::string hinweis; // note under the plot, may span several lines
    Achse x, y;
    std::vector<Band> baender;
    std::vector<Bezugslinie> bezugslinien;
    std::vector<Kurve> kurven;
    std::vector<Bemassung> bemassungen;
    std::vector<Marke> marken;
    std::vector<Text> texte;
    std::vector<Legendeneintrag> legende;

    // Each adds the element and, with a legend text, its legend entry.
    Kurve& kurve(std::vector<Punkt> punkte, Farbe f, const std::string& legende = "",
                 Strich s = Strich::voll)
    {
        if (!legende.empty())
            this->legende.push_back({legende, f, Eintragsart::linie, s, Form::kreis});
        kurven.push_back({std::move(punkte), f, s, 2});
        return kurven.back();
    }
    Marke& marke(Punkt p, Farbe f, const std::string& beschriftung,
                 const std::string& legende = "", Form form = Form::kreis,
                 Seite seite = Seite::rechts)
    {
        if (!legende.empty())
            this->legende.push_back({legende, f, Eintragsart::marke, Strich::voll, form});
        marken.push_back({p, f, form, beschriftung, seite});
        return marken.back();
    }
    Bezugslinie& bezug(bool senkrecht, double wert, Farbe f, const std::string& beschriftung,
                       const std::string& legende = "", Strich s = Strich::gestrichelt)
    {
        if (!legende.empty())
            this->legende.push_back({legende, f, Eintragsart::linie, s, Form::kreis});
        bezugslinien.push_back({senkrecht, wert, f, s, beschriftung});
        return bezugslinien.back();
    }
    Bemassung& mass(Punkt von, Punkt bis, Farbe f, const std::string& beschriftung,
                    Seite seite = Seite::rechts)
    {
        bemassungen.push_back({von, bis, f, beschriftung, seite});
        return bemassungen.back();
    }
    Band& band(double x1, double x2, Farbe f, const std::string& beschriftung,
               const std::string& legende = "")
    {
        if (!legende.empty())
            this->legende.push_back({legende, f, Eintragsart::flaeche, Strich::voll, Form::kreis});
        baender.push_back({x1, x2, f, beschriftung});
        return baender.back();
    }
};

// A value for labels, with the point as decimal separator under any locale
// and as many significant digits as asked (trailing zeros dropped).
std::string diagramm_zahl(double wert, int stellen = 4);
