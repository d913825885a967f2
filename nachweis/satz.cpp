#include "satz.h"

#include "sprache.h"

#include <algorithm>

namespace {

constexpr double RAND_LINKS = 56.7, RAND_RECHTS = 48.2; // 20 mm, 17 mm
constexpr double RAND_OBEN = 48.2, FUSS_HOEHE = 42.5;   // 17 mm, 15 mm
constexpr double SPALTENABSTAND = 6;

// DejaVu (fonts-dejavu-core) by name, so a record looks the same on every
// machine whatever other fonts it has; fontconfig falls back where it is missing.
const char* const GRUND = "DejaVu Sans, Sans 9";
const char* const FETT = "DejaVu Sans, Sans Bold 9";
const char* const UEBERSCHRIFT = "DejaVu Sans, Sans Bold 12";
const char* const TITEL = "DejaVu Sans, Sans Bold 14";
const char* const FEST = "DejaVu Sans Mono, Monospace 8";

double unten() { return A4_HOEHE - FUSS_HOEHE; }

} // namespace

KvSatz::KvSatz(cairo_t* cr)
{
    kontext_ = pango_cairo_create_context(cr);
    // Points as units, the language of the record's words (German unless
    // a catalogue says otherwise) whatever the locale says.
    pango_cairo_context_set_resolution(kontext_, 72);
    // Uebersetzung: the language of the calculation record's text as a tag for
    // setting it (line breaks), e.g. "en-us".
    pango_context_set_language(kontext_, pango_language_from_string(_("de-de")));
    seiten_.emplace_back();
    y_ = RAND_OBEN;
}

KvSatz::~KvSatz() { g_object_unref(kontext_); }

double KvSatz::breite() const { return A4_BREITE - RAND_LINKS - RAND_RECHTS; }

KvSatz::Layout KvSatz::layout(const std::string& text, const char* schrift, double breite) const
{
    PangoLayout* l = pango_layout_new(kontext_);
    PangoFontDescription* f = pango_font_description_from_string(schrift);
    pango_layout_set_font_description(l, f);
    pango_font_description_free(f);
    PangoAttrList* a = pango_attr_list_new();
    pango_attr_list_insert(a, pango_attr_font_features_new("liga 0, clig 0, dlig 0, kern 0"));
    pango_layout_set_attributes(l, a);
    pango_attr_list_unref(a);
    if (breite > 0) {
        pango_layout_set_width(l, static_cast<int>(breite * PANGO_SCALE));
        pango_layout_set_wrap(l, PANGO_WRAP_WORD_CHAR);
    }
    pango_layout_set_text(l, text.c_str(), -1);
    return Layout(l, g_object_unref);
}

double KvSatz::hoehe(const Layout& l) const
{
    int b = 0, h = 0;
    pango_layout_get_size(l.get(), &b, &h);
    return static_cast<double>(h) / PANGO_SCALE;
}

void KvSatz::platz(double h)
{
    if (y_ + h > unten() && y_ > RAND_OBEN)
        neue_seite();
}

void KvSatz::neue_seite()
{
    seiten_.emplace_back();
    y_ = RAND_OBEN;
}

void KvSatz::setzen(const Layout& l, double x, double y)
{
    seiten_.back().push_back([l, x, y](cairo_t* cr) {
        cairo_move_to(cr, x, y);
        pango_cairo_show_layout(cr, l.get());
    });
}

void KvSatz::titel(const std::string& text)
{
    const Layout l = layout(text, TITEL, breite());
    platz(hoehe(l));
    setzen(l, RAND_LINKS, y_);
    y_ += hoehe(l) + 4;
}

void KvSatz::ueberschrift(const std::string& text)
{
    const Layout l = layout(text, UEBERSCHRIFT, breite());
    // With room for a few lines after it, or on the next page.
    platz(hoehe(l) + 50);
    y_ += 8;
    setzen(l, RAND_LINKS, y_);
    y_ += hoehe(l) + 4;
}

void KvSatz::absatz(const std::string& text, bool fett, double einzug)
{
    const Layout l = layout(text, fett ? FETT : GRUND, breite() - einzug);
    platz(hoehe(l));
    setzen(l, RAND_LINKS + einzug, y_);
    y_ += hoehe(l) + 2;
}

void KvSatz::haengend(const std::string& kopf, const std::vector<std::string>& zeilen)
{
    int b = 0, h = 0;
    pango_layout_get_size(layout(kopf + " ", GRUND, 0).get(), &b, &h);
    const double einzug = std::min(static_cast<double>(b) / PANGO_SCALE, breite() / 2);
    std::vector<Layout> teile;
    double gesamt = 0;
    for (size_t i = 0; i < zeilen.size(); ++i) {
        teile.push_back(i == 0 ? layout(kopf + " " + zeilen[0], GRUND, breite())
                               : layout(zeilen[i], GRUND, breite() - einzug));
        if (i == 0)
            pango_layout_set_indent(teile[0].get(), static_cast<int>(-einzug * PANGO_SCALE));
        gesamt += hoehe(teile.back());
    }
    platz(gesamt);
    for (size_t i = 0; i < teile.size(); ++i) {
        setzen(teile[i], RAND_LINKS + (i == 0 ? 0 : einzug), y_);
        y_ += hoehe(teile[i]);
    }
    y_ += 2;
}

void KvSatz::zeile(const std::vector<std::string>& spalten, const std::vector<double>& breiten,
                   bool fett)
{
    std::vector<Layout> zellen;
    double h = 0, rest = breite();
    for (size_t i = 0; i < spalten.size(); ++i) {
        const double b = i + 1 < spalten.size() && i < breiten.size() ? breiten[i] : rest;
        zellen.push_back(layout(spalten[i], fett ? FETT : GRUND, b - SPALTENABSTAND));
        h = std::max(h, hoehe(zellen.back()));
        rest -= b;
    }
    platz(h);
    double x = RAND_LINKS;
    for (size_t i = 0; i < zellen.size(); ++i) {
        setzen(zellen[i], x, y_);
        if (i < breiten.size())
            x += breiten[i];
    }
    y_ += h + 2;
}

void KvSatz::linie()
{
    const double y = y_ + 2;
    const double b = breite();
    seiten_.back().push_back([y, b](cairo_t* cr) {
        cairo_set_line_width(cr, 0.5);
        cairo_move_to(cr, RAND_LINKS, y);
        cairo_line_to(cr, RAND_LINKS + b, y);
        cairo_stroke(cr);
    });
    y_ += 6;
}

void KvSatz::abstand(double punkte) { y_ += punkte; }

void KvSatz::bild(double h, std::function<void(cairo_t*, double, double)> zeichnen)
{
    platz(h);
    const double y = y_, b = breite();
    seiten_.back().push_back([zeichnen, y, b, h](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, RAND_LINKS, y);
        cairo_rectangle(cr, 0, 0, b, h);
        cairo_clip(cr);
        zeichnen(cr, b, h);
        cairo_restore(cr);
    });
    y_ += h + 4;
}

void KvSatz::vorformatiert(const std::string& text)
{
    size_t anfang = 0;
    while (anfang < text.size()) {
        size_t ende = text.find('\n', anfang);
        if (ende == std::string::npos)
            ende = text.size();
        const Layout l = layout(text.substr(anfang, ende - anfang), FEST, 0);
        platz(hoehe(l));
        setzen(l, RAND_LINKS, y_);
        y_ += hoehe(l);
        anfang = ende + 1;
    }
}

void KvSatz::ausgeben(cairo_t* cr, const std::string& fuss) const
{
    pango_cairo_update_context(cr, kontext_);
    const size_t m = seiten_.size();
    for (size_t n = 0; n < m; ++n) {
        cairo_set_source_rgb(cr, 0, 0, 0);
        for (const auto& zeichnen : seiten_[n]) {
            cairo_save(cr);
            cairo_set_source_rgb(cr, 0, 0, 0);
            zeichnen(cr);
            cairo_restore(cr);
        }
        // The footer: a rule, the program's title, the page.
        const double y = unten() + 12;
        cairo_set_line_width(cr, 0.5);
        cairo_move_to(cr, RAND_LINKS, y);
        cairo_line_to(cr, RAND_LINKS + breite(), y);
        cairo_stroke(cr);
        const Layout links = layout(fuss, GRUND, 0);
        cairo_move_to(cr, RAND_LINKS, y + 4);
        pango_cairo_show_layout(cr, links.get());
        const Layout rechts = layout(kv_einsetzen(_("Seite {1} von {2}"),
                                                  {std::to_string(n + 1), std::to_string(m)}),
                                     GRUND, 0);
        int b = 0, h = 0;
        pango_layout_get_size(rechts.get(), &b, &h);
        cairo_move_to(cr, RAND_LINKS + breite() - static_cast<double>(b) / PANGO_SCALE, y + 4);
        pango_cairo_show_layout(cr, rechts.get());
        cairo_show_page(cr);
    }
}
