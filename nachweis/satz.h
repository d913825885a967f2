// Setting text on A4 pages with pango and drawing them with cairo: titles,
// headings, paragraphs, table rows, preformatted lines and pictures flow
// from page to page; a heading never stands alone at the foot of a page.
// Everything is measured first and drawn once the number of pages is known,
// so every page can say "Seite N von M".  Texts are set in German
// (independent of the locale the program runs in) without ligatures, so a
// text extractor gives back the letters as written.
#pragma once
#include <cairo.h>
#include <pango/pangocairo.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

inline constexpr double A4_BREITE = 595.2756, A4_HOEHE = 841.8898; // points

class KvSatz {
public:
    // Measures with cr (a context of the surface the pages go to).
    explicit KvSatz(cairo_t* cr);
    ~KvSatz();
    KvSatz(const KvSatz&) = delete;
    KvSatz& operator=(const KvSatz&) = delete;

    double breite() const; // of the text column

    void titel(const std::string& text);
    void ueberschrift(const std::string& text);
    void absatz(const std::string& text, bool fett = false, double einzug = 0);
    // "kopf zeilen[0]", and the other lines below the start of zeilen[0]:
    //   lambda = fkl / thr
    //          = 458 / 2.5
    void haengend(const std::string& kopf, const std::vector<std::string>& zeilen);
    // One row of a table: each text in its column (widths in points, the
    // last one taking the rest), wrapped within it.
    void zeile(const std::vector<std::string>& spalten, const std::vector<double>& breiten,
               bool fett = false);
    void linie();
    void abstand(double punkte);
    // A picture of that height over the width of the text column.
    void bild(double hoehe, std::function<void(cairo_t*, double breite, double hoehe)> zeichnen);
    // Monospaced lines as they are, the page broken between lines.
    void vorformatiert(const std::string& text);
    void neue_seite();
    // A new page unless that much height is left on this one.
    void platz_fuer(double hoehe) { platz(hoehe); }

    // Draws every page onto cr's surface, each with the footer: fuss at
    // the left, "Seite N von M" at the right.
    void ausgeben(cairo_t* cr, const std::string& fuss) const;

private:
    struct Stueck;
    using Layout = std::shared_ptr<PangoLayout>;
    Layout layout(const std::string& text, const char* schrift, double breite) const;
    double hoehe(const Layout& l) const;
    void platz(double hoehe); // a new page unless that much is left
    void setzen(const Layout& l, double x, double y);

    PangoContext* kontext_;
    std::vector<std::vector<std::function<void(cairo_t*)>>> seiten_;
    double y_;
};
