#include "diagramm_aufbau.h"

#include "diagramm_teilung.h"
#include "platzierung.h"

#include <algorithm>
#include <cmath>

namespace {

// ---- Text ------------------------------------------------------------------

// Width and height of the text as laid out.
void messen(const Textmass& m, const std::string& text, Schrift s, double& b, double& h,
            double breite_max = -1)
{
    const Textmasse t = m.messen(text, s, breite_max);
    b = t.breite;
    h = t.hoehe;
}

// ---- Layout ------------------------------------------------------------------

struct Aufbau {
    double s = 10;              // base font size in pixels
    double rand = 8;            // outer margin
    Rechteck plot;
    Achse x, y;                 // as drawn
    Teilung tx, ty;
    double titel_h = 0, hinweis_h = 0, tick_h = 0, ytick_b = 0;
    double zeile = 0;           // height of one line of base text
    bool legende_unten = false;
    Rechteck legende;

    double px(double v) const { return plot.x + anteil(x, v) * plot.b; }
    double py(double v) const { return plot.unten() - anteil(y, v) * plot.h; }
    // Pixel position of a data point; false when it is not representable.
    bool pixel(Punkt p, double& ax, double& ay) const
    {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
        if (x.logarithmisch && p.x <= 0) return false;
        if (y.logarithmisch && p.y <= 0) return false;
        ax = px(p.x);
        ay = py(p.y);
        return std::isfinite(ax) && std::isfinite(ay);
    }
};

Schrift grund(const Aufbau& a) { return {a.s, false}; }
Schrift klein(const Aufbau& a) { return {a.s * 0.92, false}; }

double legendenzeile(const Aufbau& a) { return a.zeile + 2; }
double probenbreite(const Aufbau& a) { return 2.2 * a.s; }

// Size of the legend: one column inside the plot, or rows of entries
// flowing across the width below it.
Rechteck legende_messen(const Textmass& m, const Diagramm& d, const Aufbau& a, bool unten,
                        double breite)
{
    Rechteck r;
    if (d.legende.empty())
        return r;
    const double innen = 0.5 * a.s;
    double zeile_b = 0, max_b = 0;
    int zeilen = 1;
    for (const Legendeneintrag& e : d.legende) {
        double b, h;
        messen(m, e.text, klein(a), b, h);
        const double eintrag = probenbreite(a) + 0.4 * a.s + b;
        if (unten) {
            const double mit_abstand = eintrag + (zeile_b > 0 ? 1.5 * a.s : 0);
            if (zeile_b > 0 && zeile_b + mit_abstand > breite - 2 * innen) {
                ++zeilen;
                zeile_b = eintrag;
            } else {
                zeile_b += mit_abstand;
            }
            max_b = std::max(max_b, zeile_b);
        } else {
            max_b = std::max(max_b, eintrag);
        }
    }
    if (!unten)
        zeilen = static_cast<int>(d.legende.size());
    r.b = max_b + 2 * innen;
    r.h = zeilen * legendenzeile(a) + innen;
    return r;
}

Aufbau aufbauen(const Textmass& m, const Diagramm& d, double B, double H, bool legende_unten)
{
    Aufbau a;
    a.s = std::clamp(std::min(B / 65, H / 40), 9.0, 13.0);
    a.rand = std::max(4.0, 0.6 * a.s);
    a.x = bereinigt(d.x);
    a.y = bereinigt(d.y);
    a.legende_unten = legende_unten;
    double b, h;
    messen(m, "0", grund(a), b, a.zeile);
    const double innen_b = std::max(B - 2 * a.rand, 10.0);
    a.titel_h = 0;
    if (!d.titel.empty())
        messen(m, d.titel, {a.s * 1.15, true}, b, a.titel_h, innen_b);
    a.hinweis_h = 0;
    if (!d.hinweis.empty())
        messen(m, d.hinweis, klein(a), b, a.hinweis_h, innen_b);
    double xt_h = 0, yt_h = 0;
    messen(m, achsentitel(a.x), grund(a), b, xt_h);
    messen(m, achsentitel(a.y), grund(a), b, yt_h);
    const double strich = 0.4 * a.s, luft = 0.4 * a.s;
    a.tick_h = a.zeile;
    Rechteck leg;
    if (legende_unten)
        leg = legende_messen(m, d, a, true, innen_b);

    const double oben = a.rand + (a.titel_h > 0 ? a.titel_h + luft : 0) + 0.6 * a.zeile;
    double unten = a.rand + (a.hinweis_h > 0 ? a.hinweis_h + luft : 0)
                 + (legende_unten && leg.h > 0 ? leg.h + luft : 0) + xt_h + luft + a.tick_h
                 + strich + 2;
    const double plot_h = std::max(H - oben - unten, 1.0);

    // The y ticks: as many as fit with two lines of space between numbers.
    a.ty = teilen(a.y, std::max(2, static_cast<int>(plot_h / (2.2 * a.zeile))));
    a.ytick_b = 0;
    for (const std::string& t : a.ty.texte) {
        messen(m, t, grund(a), b, h);
        a.ytick_b = std::max(a.ytick_b, b);
    }
    const double links = a.rand + yt_h + luft + a.ytick_b + strich + 3;
    double rechts = a.rand + a.s;
    double plot_b = std::max(B - links - rechts, 1.0);

    // The x ticks: the most that leave a gap of one and a half characters
    // between neighbouring numbers.
    std::vector<double> breiten;
    for (int n = std::max(2, static_cast<int>(plot_b / (2.5 * a.s))); n >= 1; --n) {
        a.tx = teilen(a.x, n);
        breiten.clear();
        for (const std::string& t : a.tx.texte) {
            messen(m, t, grund(a), b, h);
            breiten.push_back(b);
        }
        bool passt = true;
        for (size_t i = 0; i + 1 < breiten.size(); ++i) {
            const double abstand =
                plot_b * (anteil(a.x, a.tx.werte[i + 1]) - anteil(a.x, a.tx.werte[i]));
            passt = passt && abstand - (breiten[i] + breiten[i + 1]) / 2 >= 1.5 * a.s;
        }
        if (passt || a.tx.werte.size() <= 2)
            break;
    }
    // The last number is centred on its tick: keep its right half inside.
    if (!breiten.empty()) {
        const double ende = links + plot_b * anteil(a.x, a.tx.werte.back()) + breiten.back() / 2;
        if (ende > B - a.rand) {
            rechts += ende - (B - a.rand);
            plot_b = std::max(B - links - rechts, 1.0);
        }
    }
    a.plot = {links, oben, plot_b, plot_h};
    if (legende_unten) {
        a.legende = leg;
        a.legende.x = std::max(a.rand, (B - leg.b) / 2);
        a.legende.y = a.plot.unten() + strich + a.tick_h + luft + xt_h + luft;
    }
    return a;
}

// ---- Drawing list ------------------------------------------------------------

Linienstil stil(Farbe f, double breite, Strich s = Strich::voll, bool rund = false)
{
    return {f, breite, s, rund};
}

void linien(Zeichenliste& z, std::vector<std::vector<Punkt>> pfade, const Linienstil& s)
{
    Zeichnung n;
    n.art = Zeichenart::linien;
    n.pfade = std::move(pfade);
    n.rand = s;
    z.push_back(std::move(n));
}

// A rectangle filled, outlined, or both (fuellen false: outline only).
void rechteck(Zeichenliste& z, const Rechteck& r, bool fuellen, Farbe f, double deckung = 1,
              bool umranden = false, const Linienstil& rand = {})
{
    Zeichnung n;
    n.art = Zeichenart::rechteck;
    n.r = r;
    n.fuellen = fuellen;
    n.fuellfarbe = f;
    n.deckung = deckung;
    n.umranden = umranden;
    n.rand = rand;
    z.push_back(std::move(n));
}

// The text with its top left corner at (x, y); breite is its measured width.
Zeichnung& text(Zeichenliste& z, const std::string& t, Schrift s, double x, double y, Farbe f,
                double breite, Anker anker = Anker::links)
{
    Zeichnung n;
    n.art = Zeichenart::text;
    n.text = t;
    n.schrift = s;
    n.x = x;
    n.y = y;
    n.farbe = f;
    n.breite = breite;
    n.anker = anker;
    z.push_back(std::move(n));
    return z.back();
}

void kappen(Zeichenliste& z, const Rechteck& r)
{
    Zeichnung n;
    n.art = Zeichenart::kappen;
    n.r = r;
    z.push_back(std::move(n));
}

void kappen_ende(Zeichenliste& z)
{
    Zeichnung n;
    n.art = Zeichenart::kappen_ende;
    z.push_back(std::move(n));
}

const Farbe RAHMENGRAU{0.6, 0.6, 0.6};
const Farbe WEISS{1, 1, 1};


// ---- Lines -----------------------------------------------------------------

// Clips the segment to the rectangle (Liang-Barsky); false when nothing is left.
bool kappen(const Rechteck& r, double& x0, double& y0, double& x1, double& y1)
{
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - r.x, r.rechts() - x0, y0 - r.y, r.unten() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = ax;
    y0 = ay;
    return true;
}

// The visible pieces of a polyline in pixels, each a run of points.
std::vector<std::vector<Punkt>> sichtbare_stuecke(const Aufbau& a, const std::vector<Punkt>& p)
{
    Rechteck r = a.plot;
    r.x -= 2; r.y -= 2; r.b += 4; r.h += 4;
    std::vector<std::vector<Punkt>> stuecke;
    bool offen = false;
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        double x0, y0, x1, y1;
        if (!a.pixel(p[i], x0, y0) || !a.pixel(p[i + 1], x1, y1) || !kappen(r, x0, y0, x1, y1)) {
            offen = false;
            continue;
        }
        if (!offen || std::hypot(stuecke.back().back().x - x0, stuecke.back().back().y - y0) > 0.01)
            stuecke.push_back({{x0, y0}});
        stuecke.back().push_back({x1, y1});
        // A clipped end breaks the run.
        double ex = x1, ey = y1;
        a.pixel(p[i + 1], ex, ey);
        offen = std::hypot(ex - x1, ey - y1) < 0.01;
    }
    return stuecke;
}

// Points every few pixels along the drawn lines, to judge what a box covers.
void abtasten(std::vector<Punkt>& ziel, const std::vector<Punkt>& p)
{
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        const double l = std::hypot(p[i + 1].x - p[i].x, p[i + 1].y - p[i].y);
        const int n = std::min(2000, std::max(1, static_cast<int>(l / 3)));
        for (int k = 0; k <= n; ++k)
            ziel.push_back({p[i].x + (p[i + 1].x - p[i].x) * k / n,
                            p[i].y + (p[i + 1].y - p[i].y) * k / n});
    }
}

std::vector<Punkt> bezugslinie_pixel(const Aufbau& a, const Bezugslinie& l)
{
    double v;
    if (l.senkrecht) {
        double y0;
        if (!a.pixel({l.wert, a.y.max}, v, y0) || v < a.plot.x - 0.5 || v > a.plot.rechts() + 0.5)
            return {};
        return {{v, a.plot.y}, {v, a.plot.unten()}};
    }
    double x0;
    if (!a.pixel({a.x.max, l.wert}, x0, v) || v < a.plot.y - 0.5 || v > a.plot.unten() + 0.5)
        return {};
    return {{a.plot.x, v}, {a.plot.rechts(), v}};
}

// ---- Markers and arrows --------------------------------------------------------

double markenradius(const Aufbau& a) { return 0.45 * a.s; }

void marke(Zeichenliste& z, Form f, Farbe farbe, double x, double y, double r)
{
    Zeichnung n;
    switch (f) {
    case Form::kreis:
        n.art = Zeichenart::kreis;
        n.mitte = {x, y};
        n.radius = r;
        break;
    case Form::quadrat:
        n.art = Zeichenart::rechteck;
        n.r = {x - 0.85 * r, y - 0.85 * r, 1.7 * r, 1.7 * r};
        break;
    case Form::raute:
        n.art = Zeichenart::vieleck;
        n.pfade = {{{x, y - 1.2 * r}, {x + 1.2 * r, y}, {x, y + 1.2 * r}, {x - 1.2 * r, y}}};
        break;
    }
    n.fuellen = true;
    n.fuellfarbe = farbe;
    n.umranden = true;
    n.rand = stil({0.1, 0.1, 0.1}, std::max(1.0, r / 4));
    z.push_back(std::move(n));
}

void pfeilspitze(Zeichenliste& z, double x, double y, double dx, double dy, double l, Farbe f)
{
    const double n = std::hypot(dx, dy);
    if (n <= 0) return;
    dx /= n;
    dy /= n;
    Zeichnung s;
    s.art = Zeichenart::vieleck;
    s.pfade = {{{x, y},
                {x - l * dx + 0.35 * l * dy, y - l * dy - 0.35 * l * dx},
                {x - l * dx - 0.35 * l * dy, y - l * dy + 0.35 * l * dx}}};
    s.fuellen = true;
    s.fuellfarbe = f;
    z.push_back(std::move(s));
}


// ---- Labels --------------------------------------------------------------------

// A thin line from a point to its label when the label had to move away.
void fuehrungslinie(Zeichenliste& z, double x, double y, const Rechteck& wo, double g, Farbe f)
{
    const double nx = std::clamp(x, wo.x, wo.rechts()), ny = std::clamp(y, wo.y, wo.unten());
    const double l = std::hypot(nx - x, ny - y);
    if (l <= 1.6 * g)
        return;
    linien(z, {{{x + (nx - x) * g / l, y + (ny - y) * g / l}, {nx, ny}}}, stil(f, 0.8));
}

struct Beschriftung {
    std::string text;
    Farbe farbe;
    Rechteck wo;
    double breite; // of the text alone
};

// Text on a white, slightly transparent box.
void beschriftung_zeichnen(Zeichenliste& z, const Aufbau& a, const Beschriftung& t)
{
    rechteck(z, t.wo, true, WEISS, 0.85);
    const double innen = 0.2 * a.s;
    Farbe dunkel{t.farbe.r * 0.8, t.farbe.g * 0.8, t.farbe.b * 0.8};
    text(z, t.text, klein(a), t.wo.x + innen, t.wo.y + 1, dunkel, t.breite);
}

// ---- Legend ------------------------------------------------------------------

void legende_zeichnen(Zeichenliste& z, const Textmass& m, const Diagramm& d, const Aufbau& a)
{
    const Rechteck& r = a.legende;
    if (d.legende.empty() || r.b <= 0)
        return;
    if (!a.legende_unten)
        rechteck(z, r, true, WEISS, 0.92, true, stil(RAHMENGRAU, 1));
    const double innen = 0.5 * a.s, zeile = legendenzeile(a), probe = probenbreite(a);
    double x = r.x + innen, y = r.y + innen / 2;
    for (const Legendeneintrag& e : d.legende) {
        double b, h;
        messen(m, e.text, klein(a), b, h);
        const double eintrag = probe + 0.4 * a.s + b;
        if (a.legende_unten && x > r.x + innen && x + eintrag > r.rechts() - innen + 0.5) {
            x = r.x + innen;
            y += zeile;
        }
        const double mitte = y + zeile / 2;
        switch (e.art) {
        case Eintragsart::linie:
            linien(z, {{{x, mitte}, {x + probe, mitte}}}, stil(e.farbe, 2, e.strich));
            break;
        case Eintragsart::marke:
            marke(z, e.form, e.farbe, x + probe / 2, mitte, markenradius(a));
            break;
        case Eintragsart::flaeche:
            rechteck(z, {x, mitte - 0.35 * a.s, probe, 0.7 * a.s}, true, e.farbe, 1, true,
                     stil(RAHMENGRAU, 1));
            break;
        }
        text(z, e.text, klein(a), x + probe + 0.4 * a.s, mitte - h / 2, farben::schwarz, b);
        if (a.legende_unten)
            x += eintrag + 1.5 * a.s;
        else
            y += zeile;
    }
}

// Every drawn line sampled in pixels (curves, reference lines, dimensions).
std::vector<Punkt> linienpunkte(const Diagramm& d, const Aufbau& a)
{
    std::vector<Punkt> p;
    for (const Kurve& k : d.kurven)
        for (const auto& s : sichtbare_stuecke(a, k.punkte))
            abtasten(p, s);
    for (const Bezugslinie& l : d.bezugslinien)
        abtasten(p, bezugslinie_pixel(a, l));
    for (const Bemassung& m : d.bemassungen)
        for (const auto& s : sichtbare_stuecke(a, {m.von, m.bis}))
            abtasten(p, s);
    return p;
}

std::vector<Rechteck> markenboxen(const Diagramm& d, const Aufbau& a)
{
    std::vector<Rechteck> boxen;
    const double r = markenradius(a) * 1.3;
    for (const Marke& m : d.marken) {
        double x, y;
        if (a.pixel(m.p, x, y) && a.plot.enthaelt(x, y))
            boxen.push_back({x - r, y - r, 2 * r, 2 * r});
    }
    return boxen;
}

// The corner of the plot where the legend covers least; false when every
// corner covers some line or marker.
bool legende_innen_legen(const Textmass& m, const Diagramm& d, Aufbau& a)
{
    Rechteck g = legende_messen(m, d, a, false, 0);
    const double abstand = 0.5 * a.s;
    if (g.b > a.plot.b - 2 * abstand || g.h > a.plot.h - 2 * abstand)
        return false;
    const std::vector<Punkt> linien = linienpunkte(d, a);
    const std::vector<Rechteck> marken = markenboxen(d, a);
    const double l = a.plot.x + abstand, r = a.plot.rechts() - abstand - g.b;
    const double o = a.plot.y + abstand, u = a.plot.unten() - abstand - g.h;
    double bester = -1;
    for (const Punkt& ecke : {Punkt{r, o}, Punkt{l, o}, Punkt{r, u}, Punkt{l, u}}) {
        Rechteck k{ecke.x, ecke.y, g.b, g.h};
        double kosten = 0;
        for (const Punkt& p : linien)
            if (k.enthaelt(p.x, p.y))
                kosten += 1;
        for (const Rechteck& mk : marken)
            kosten += 100 * (k.ueberlappung(mk) > 0);
        if (bester < 0 || kosten < bester) {
            bester = kosten;
            a.legende = k;
        }
    }
    return bester == 0;
}

Aufbau gesamt_aufbauen(const Textmass& m, const Diagramm& d, double B, double H)
{
    Aufbau a = aufbauen(m, d, B, H, false);
    if (d.legende.empty() || legende_innen_legen(m, d, a))
        return a;
    return aufbauen(m, d, B, H, true);
}

// ---- Axes --------------------------------------------------------------------

// Grid lines at the given values of both axes, in one grey.
void gitterlinien(Zeichenliste& z, const Aufbau& a, const std::vector<double>& xs,
                  const std::vector<double>& ys, double grau)
{
    const Rechteck& p = a.plot;
    std::vector<std::vector<Punkt>> pfade;
    for (double v : xs) {
        const double x = std::round(a.px(v)) + 0.5;
        pfade.push_back({{x, p.y}, {x, p.unten()}});
    }
    for (double v : ys) {
        const double y = std::round(a.py(v)) + 0.5;
        pfade.push_back({{p.x, y}, {p.rechts(), y}});
    }
    linien(z, std::move(pfade), stil({grau, grau, grau}, 1));
}

void achsen_zeichnen(Zeichenliste& z, const Textmass& m, const Aufbau& a)
{
    const Rechteck& p = a.plot;
    // Grid, minor lines of log axes lighter.
    gitterlinien(z, a, a.tx.neben, a.ty.neben, 0.93);
    gitterlinien(z, a, a.tx.werte, a.ty.werte, 0.85);

    // Frame, ticks and numbers.
    const Linienstil dunkel = stil({0.2, 0.2, 0.2}, 1);
    rechteck(z, {std::round(p.x) + 0.5, std::round(p.y) + 0.5, std::round(p.b), std::round(p.h)},
             false, {}, 1, true, dunkel);
    const double strich = 0.4 * a.s;
    double b, h;
    // The first tick in the frame's grey, the others in the numbers' black.
    Linienstil tick = dunkel;
    for (size_t i = 0; i < a.tx.werte.size(); ++i) {
        const double x = std::round(a.px(a.tx.werte[i])) + 0.5;
        linien(z, {{{x, p.unten()}, {x, p.unten() + strich}}}, tick);
        tick.farbe = farben::schwarz;
        messen(m, a.tx.texte[i], grund(a), b, h);
        text(z, a.tx.texte[i], grund(a), x - b / 2, p.unten() + strich + 1, farben::schwarz, b,
             Anker::mitte);
    }
    for (size_t i = 0; i < a.ty.werte.size(); ++i) {
        const double y = std::round(a.py(a.ty.werte[i])) + 0.5;
        linien(z, {{{p.x - strich, y}, {p.x, y}}}, tick);
        tick.farbe = farben::schwarz;
        messen(m, a.ty.texte[i], grund(a), b, h);
        text(z, a.ty.texte[i], grund(a), p.x - strich - 2 - b, y - h / 2, farben::schwarz, b,
             Anker::rechts);
    }
    // Axis titles: x centred below the numbers, y turned up along the left edge.
    const std::string xt = achsentitel(a.x), yt = achsentitel(a.y);
    messen(m, xt, grund(a), b, h);
    text(z, xt, grund(a), p.x + (p.b - b) / 2, p.unten() + strich + a.tick_h + 0.4 * a.s,
         farben::schwarz, b, Anker::mitte);
    messen(m, yt, grund(a), b, h);
    text(z, yt, grund(a), a.rand, p.y + p.h / 2 + b / 2, farben::schwarz, b, Anker::mitte)
        .senkrecht = true;
}

// ---- Plot contents -------------------------------------------------------------

void inhalt_zeichnen(Zeichenliste& z, const Textmass& m, const Diagramm& d, const Aufbau& a)
{
    const Rechteck& p = a.plot;
    Platzierung platz;
    platz.innen = p;
    platz.linien = linienpunkte(d, a);
    platz.belegt = markenboxen(d, a);
    if (!a.legende_unten && a.legende.b > 0)
        platz.belegt.push_back(a.legende);
    std::vector<Beschriftung> texte;
    const double innen = 0.2 * a.s;
    double tb = 0; // width of the last text boxed
    auto box = [&](const std::string& t, double& b, double& h) {
        messen(m, t, klein(a), b, h);
        tb = b;
        b += 2 * innen;
        h += 2;
    };

    kappen(z, p);
    // Lines.
    for (const Bezugslinie& l : d.bezugslinien) {
        std::vector<Punkt> q = bezugslinie_pixel(a, l);
        if (q.empty()) continue;
        linien(z, {std::move(q)}, stil(l.farbe, 1.5, l.strich));
    }
    for (const Kurve& k : d.kurven)
        for (auto& s : sichtbare_stuecke(a, k.punkte))
            linien(z, {std::move(s)}, stil(k.farbe, k.breite, k.strich, true));
    for (const Bemassung& mb : d.bemassungen) {
        double x0, y0, x1, y1;
        if (!a.pixel(mb.von, x0, y0) || !a.pixel(mb.bis, x1, y1)) continue;
        for (auto& s : sichtbare_stuecke(a, {mb.von, mb.bis}))
            linien(z, {std::move(s)}, stil(mb.farbe, 1.3, Strich::voll, true));
        const double spitze = std::min(0.7 * a.s, 0.45 * std::hypot(x1 - x0, y1 - y0));
        pfeilspitze(z, x1, y1, x1 - x0, y1 - y0, spitze, mb.farbe);
        pfeilspitze(z, x0, y0, x0 - x1, y0 - y1, spitze, mb.farbe);
    }
    kappen_ende(z);
    // Markers whole, also on the frame.
    for (const Marke& mk : d.marken) {
        double x, y;
        if (a.pixel(mk.p, x, y) && p.enthaelt(x, y))
            marke(z, mk.form, mk.farbe, x, y, markenradius(a));
    }

    // Labels: markers first, they matter most; then dimensions, lines, bands.
    double b, h;
    for (const Marke& mk : d.marken) {
        double x, y;
        if (mk.beschriftung.empty() || !a.pixel(mk.p, x, y) || !p.enthaelt(x, y)) continue;
        box(mk.beschriftung, b, h);
        const double g = markenradius(a) + 3;
        const Rechteck wo = platz.waehlen(rund_um(x, y, b, h, g, mk.seite), x, y);
        texte.push_back({mk.beschriftung, mk.farbe, wo, tb});
        fuehrungslinie(z, x, y, wo, g, mk.farbe);
    }
    for (const Bemassung& mb : d.bemassungen) {
        double x0, y0, x1, y1;
        if (mb.beschriftung.empty() || !a.pixel(mb.von, x0, y0) || !a.pixel(mb.bis, x1, y1))
            continue;
        double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
        if (!p.enthaelt(mx, my)) continue;
        box(mb.beschriftung, b, h);
        std::vector<Rechteck> k = rund_um(mx, my, b, h, 3, mb.seite);
        // Also along the arrow, a quarter from either end.
        for (double f : {0.25, 0.75}) {
            const double ax = x0 + (x1 - x0) * f, ay = y0 + (y1 - y0) * f;
            for (const Rechteck& r : rund_um(ax, ay, b, h, 3, mb.seite))
                k.push_back(r);
        }
        const Rechteck wo = platz.waehlen(k, mx, my);
        texte.push_back({mb.beschriftung, mb.farbe, wo, tb});
        fuehrungslinie(z, mx, my, wo, 4, mb.farbe);
    }
    for (const Bezugslinie& l : d.bezugslinien) {
        const std::vector<Punkt> q = bezugslinie_pixel(a, l);
        if (q.empty() || l.beschriftung.empty()) continue;
        box(l.beschriftung, b, h);
        const double g = 3;
        std::vector<Rechteck> k;
        if (l.senkrecht) {
            const double x = q[0].x;
            for (double y : {p.y + g, p.unten() - g - h, p.y + p.h / 2 - h / 2})
                for (double xx : {x + g, x - g - b})
                    k.push_back({xx, y, b, h});
        } else {
            const double y = q[0].y;
            for (double xx : {p.rechts() - g - b, p.x + g, p.x + p.b / 2 - b / 2})
                for (double yy : {y - g - h, y + g})
                    k.push_back({xx, yy, b, h});
        }
        texte.push_back({l.beschriftung, l.farbe, platz.waehlen(k, k[0].x, k[0].y), tb});
    }
    for (const Band& bd : d.baender) {
        double x0, x1, y;
        if (bd.beschriftung.empty() || !a.pixel({bd.x1, a.y.max}, x0, y)
            || !a.pixel({bd.x2, a.y.max}, x1, y))
            continue;
        x0 = std::max(x0, p.x);
        x1 = std::min(x1, p.rechts());
        if (x1 - x0 < 2) continue;
        box(bd.beschriftung, b, h);
        const double g = 3;
        const double mx = std::clamp((x0 + x1) / 2 - b / 2, p.x + g, std::max(p.x + g, p.rechts() - g - b));
        std::vector<Rechteck> k = {{mx, p.y + g, b, h}, {mx, p.unten() - g - h, b, h},
                                   {mx, p.y + p.h / 2 - h / 2, b, h}};
        Farbe dunkel{bd.farbe.r * 0.6, bd.farbe.g * 0.4, bd.farbe.b * 0.4};
        texte.push_back({bd.beschriftung, dunkel, platz.waehlen(k, k[0].x, k[0].y), tb});
    }
    for (const Text& t : d.texte) {
        double x, y;
        if (!a.pixel(t.p, x, y)) continue;
        box(t.text, b, h);
        texte.push_back({t.text, t.farbe, platz.waehlen(rund_um(x, y, b, h, 2, Seite::rechts), x, y), tb});
    }
    for (const Beschriftung& t : texte)
        beschriftung_zeichnen(z, a, t);
}

} // namespace

Zeichenliste diagramm_aufbauen(const Diagramm& d, double B, double H, const Textmass& m)
{
    Zeichenliste z;
    rechteck(z, {0, 0, B, H}, true, WEISS);
    const Aufbau a = gesamt_aufbauen(m, d, B, H);
    const Rechteck& p = a.plot;

    // Bands under everything else.
    kappen(z, p);
    for (const Band& bd : d.baender) {
        double x0, x1, y;
        if (!a.pixel({bd.x1, a.y.max}, x0, y) || !a.pixel({bd.x2, a.y.max}, x1, y)) continue;
        x0 = std::clamp(x0, p.x, p.rechts());
        x1 = std::clamp(x1, p.x, p.rechts());
        rechteck(z, {std::min(x0, x1), p.y, std::fabs(x1 - x0), p.h}, true, bd.farbe);
    }
    kappen_ende(z);

    achsen_zeichnen(z, m, a);
    inhalt_zeichnen(z, m, d, a);
    legende_zeichnen(z, m, d, a);

    const double innen_b = std::max(B - 2 * a.rand, 10.0);
    if (!d.titel.empty()) {
        Zeichnung& t = text(z, d.titel, {a.s * 1.15, true}, a.rand, a.rand, farben::schwarz,
                            innen_b);
        t.breite_max = innen_b;
        t.zentriert = true;
    }
    if (!d.hinweis.empty())
        text(z, d.hinweis, klein(a), a.rand, H - a.rand - a.hinweis_h, {0.25, 0.25, 0.25}, innen_b)
            .breite_max = innen_b;
    return z;
}

Zeichenliste meldung_aufbauen(const std::string& t, double B, double H, const Textmass& m)
{
    Zeichenliste z;
    rechteck(z, {0, 0, B, H}, true, WEISS);
    const Schrift s{std::clamp(std::min(B / 50, H / 30), 10.0, 14.0), false};
    double b, h;
    messen(m, t, s, b, h, std::max(B - 20, 10.0));
    Zeichnung& n = text(z, t, s, 10, (H - h) / 2, farben::grau, std::max(B - 20, 10.0));
    n.breite_max = std::max(B - 20, 10.0);
    n.zentriert = true;
    return z;
}

bool diagramm_punkt(const Diagramm& d, double B, double H, const Textmass& m, Punkt p, double& px,
                    double& py)
{
    const Aufbau a = gesamt_aufbauen(m, d, B, H);
    return a.pixel(p, px, py) && a.plot.enthaelt(px, py);
}
