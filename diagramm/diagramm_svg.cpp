#include "diagramm_svg.h"

#include "diagramm_aufbau.h"
#include "tabellenmass.h"
#include "zahlen.h"

#include <algorithm>
#include <cmath>

namespace {

// Fixed to two decimals, trailing zeros dropped; "0" also for -0.004.
void zahl(std::string& s, double v)
{
    if (!std::isfinite(v))
        v = 0;
    std::string t = kv_format("%.2f", v);
    while (t.back() == '0')
        t.pop_back();
    if (t.back() == '.')
        t.pop_back();
    s += t == "-0" ? "0" : t;
}

void attribut(std::string& s, const char* name, double v)
{
    s += ' ';
    s += name;
    s += "=\"";
    zahl(s, v);
    s += '"';
}

void farbe(std::string& s, const char* name, Farbe f)
{
    static const char ZIFFERN[] = "0123456789abcdef";
    s += ' ';
    s += name;
    s += "=\"#";
    for (double c : {f.r, f.g, f.b}) {
        const long k = std::lround(std::clamp(c, 0.0, 1.0) * 255);
        s += ZIFFERN[k / 16];
        s += ZIFFERN[k % 16];
    }
    s += '"';
}

void linie(std::string& s, const Linienstil& l)
{
    farbe(s, "stroke", l.farbe);
    attribut(s, "stroke-width", l.breite);
    const std::vector<double> m = strichmuster(l.strich, l.breite);
    if (!m.empty()) {
        s += " stroke-dasharray=\"";
        for (size_t i = 0; i < m.size(); ++i) {
            if (i > 0) s += ' ';
            zahl(s, m[i]);
        }
        s += '"';
    }
    if (l.rund)
        s += " stroke-linejoin=\"round\"";
}

void flaeche(std::string& s, const Zeichnung& z)
{
    if (z.fuellen) {
        farbe(s, "fill", z.fuellfarbe);
        if (z.deckung < 1)
            attribut(s, "fill-opacity", z.deckung);
    } else {
        s += " fill=\"none\"";
    }
    if (z.umranden)
        linie(s, z.rand);
    s += "/>\n";
}

void pfade(std::string& s, const Zeichnung& z)
{
    s += "<path d=\"";
    for (const std::vector<Punkt>& p : z.pfade)
        for (size_t i = 0; i < p.size(); ++i) {
            if (s.back() != '"') s += ' ';
            s += i == 0 ? "M" : "L";
            zahl(s, p[i].x);
            s += ' ';
            zahl(s, p[i].y);
        }
    if (z.art == Zeichenart::vieleck)
        s += " Z";
    s += '"';
}

// XML's text: the markup characters as entities, control characters left out.
void maskiert(std::string& s, const std::string& t)
{
    for (char c : t)
        switch (c) {
        case '&': s += "&amp;"; break;
        case '<': s += "&lt;"; break;
        case '>': s += "&gt;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                s += c;
        }
}

void text(std::string& s, const Zeichnung& z, const Textmass& m)
{
    const std::vector<std::string> zeilen = zeilen_umbrechen(m, z.text, z.schrift, z.breite_max);
    // Turned text is written in its own frame with (z.x, z.y) as origin.
    const double x0 = z.senkrecht ? 0 : z.x, y0 = z.senkrecht ? 0 : z.y;
    double x = x0;
    const char* anker = nullptr;
    if (z.zentriert && z.breite_max > 0) {
        x = x0 + z.breite_max / 2;
        anker = "middle";
    } else if (z.anker == Anker::mitte) {
        x = x0 + z.breite / 2;
        anker = "middle";
    } else if (z.anker == Anker::rechts) {
        x = x0 + z.breite;
        anker = "end";
    }
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const Textmasse t = m.messen(zeilen[i], z.schrift);
        s += "<text";
        attribut(s, "x", x);
        attribut(s, "y", y0 + static_cast<double>(i) * t.hoehe + t.grundlinie);
        attribut(s, "font-size", z.schrift.groesse);
        if (z.schrift.fett)
            s += " font-weight=\"bold\"";
        if (anker) {
            s += " text-anchor=\"";
            s += anker;
            s += '"';
        }
        farbe(s, "fill", z.farbe);
        if (z.senkrecht) {
            s += " transform=\"translate(";
            zahl(s, z.x);
            s += ' ';
            zahl(s, z.y);
            s += ") rotate(-90)\"";
        }
        s += '>';
        maskiert(s, zeilen[i]);
        s += "</text>\n";
    }
}

} // namespace

std::string svg_schreiben(const Zeichenliste& liste, double B, double H, const Textmass& m)
{
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
    attribut(s, "width", B);
    attribut(s, "height", H);
    s += " viewBox=\"0 0 ";
    zahl(s, B);
    s += ' ';
    zahl(s, H);
    s += "\" font-family=\"DejaVu Sans, sans-serif\" stroke-miterlimit=\"10\""
         " xml:space=\"preserve\">\n";
    int kappungen = 0, offen = 0;
    for (const Zeichnung& z : liste)
        switch (z.art) {
        case Zeichenart::rechteck:
            s += "<rect";
            attribut(s, "x", z.r.x);
            attribut(s, "y", z.r.y);
            attribut(s, "width", z.r.b);
            attribut(s, "height", z.r.h);
            flaeche(s, z);
            break;
        case Zeichenart::kreis:
            s += "<circle";
            attribut(s, "cx", z.mitte.x);
            attribut(s, "cy", z.mitte.y);
            attribut(s, "r", z.radius);
            flaeche(s, z);
            break;
        case Zeichenart::vieleck:
            pfade(s, z);
            flaeche(s, z);
            break;
        case Zeichenart::linien:
            if (z.pfade.empty())
                break;
            pfade(s, z);
            s += " fill=\"none\"";
            linie(s, z.rand);
            s += "/>\n";
            break;
        case Zeichenart::text: text(s, z, m); break;
        case Zeichenart::kappen: {
            const std::string id = "k" + std::to_string(++kappungen);
            s += "<clipPath id=\"" + id + "\"><rect";
            attribut(s, "x", z.r.x);
            attribut(s, "y", z.r.y);
            attribut(s, "width", z.r.b);
            attribut(s, "height", z.r.h);
            s += "/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
            ++offen;
            break;
        }
        case Zeichenart::kappen_ende:
            if (offen > 0) {
                s += "</g>\n";
                --offen;
            }
            break;
        }
    for (; offen > 0; --offen)
        s += "</g>\n";
    s += "</svg>\n";
    return s;
}

std::string diagramm_svg(const Diagramm& d, double B, double H)
{
    const TabellenMass m;
    return svg_schreiben(diagramm_aufbauen(d, B, H, m), B, H, m);
}
