#include "diagramm_cairo.h"

#include "diagramm_aufbau.h"

#include <pango/pangocairo.h>

namespace {

const double PI = 3.14159265358979;

PangoLayout* satz(cairo_t* cr, const std::string& text, Schrift s, double breite_max = -1,
                  bool zentriert = false)
{
    PangoLayout* l = pango_cairo_create_layout(cr);
    PangoFontDescription* f = pango_font_description_from_string("Sans");
    pango_font_description_set_absolute_size(f, s.groesse * PANGO_SCALE);
    if (s.fett)
        pango_font_description_set_weight(f, PANGO_WEIGHT_BOLD);
    pango_layout_set_font_description(l, f);
    pango_font_description_free(f);
    if (breite_max > 0) {
        pango_layout_set_width(l, static_cast<int>(breite_max * PANGO_SCALE));
        pango_layout_set_wrap(l, PANGO_WRAP_WORD_CHAR);
    }
    if (zentriert)
        pango_layout_set_alignment(l, PANGO_ALIGN_CENTER);
    pango_layout_set_text(l, text.c_str(), -1);
    return l;
}

void setzen(cairo_t* cr, Farbe f) { cairo_set_source_rgb(cr, f.r, f.g, f.b); }

void strich_setzen(cairo_t* cr, const Linienstil& s)
{
    setzen(cr, s.farbe);
    cairo_set_line_width(cr, s.breite);
    const std::vector<double> m = strichmuster(s.strich, s.breite);
    cairo_set_dash(cr, m.empty() ? nullptr : m.data(), static_cast<int>(m.size()), 0);
    cairo_set_line_join(cr, s.rund ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
}

void pfad(cairo_t* cr, const Zeichnung& z)
{
    switch (z.art) {
    case Zeichenart::rechteck: cairo_rectangle(cr, z.r.x, z.r.y, z.r.b, z.r.h); break;
    case Zeichenart::kreis:
        cairo_new_sub_path(cr);
        cairo_arc(cr, z.mitte.x, z.mitte.y, z.radius, 0, 2 * PI);
        break;
    default:
        for (const std::vector<Punkt>& p : z.pfade) {
            if (p.empty()) continue;
            cairo_move_to(cr, p[0].x, p[0].y);
            for (size_t i = 1; i < p.size(); ++i)
                cairo_line_to(cr, p[i].x, p[i].y);
            if (z.art == Zeichenart::vieleck)
                cairo_close_path(cr);
        }
    }
}

void text_malen(cairo_t* cr, const Zeichnung& z)
{
    // A turned text is set in its turned frame (pango takes the frame in).
    if (z.senkrecht) {
        cairo_save(cr);
        cairo_translate(cr, z.x, z.y);
        cairo_rotate(cr, -PI / 2);
    }
    PangoLayout* l = satz(cr, z.text, z.schrift, z.breite_max, z.zentriert);
    setzen(cr, z.farbe);
    cairo_move_to(cr, z.senkrecht ? 0 : z.x, z.senkrecht ? 0 : z.y);
    pango_cairo_show_layout(cr, l);
    g_object_unref(l);
    if (z.senkrecht)
        cairo_restore(cr);
}

// Each element as one cairo path filled and/or stroked (a filled and
// outlined one through fill_preserve, which a PDF keeps as one operation);
// every stroke sets its whole style.
void malen(cairo_t* cr, const Zeichenliste& liste)
{
    for (const Zeichnung& z : liste)
        switch (z.art) {
        case Zeichenart::text: text_malen(cr, z); break;
        case Zeichenart::kappen:
            cairo_save(cr);
            cairo_rectangle(cr, z.r.x, z.r.y, z.r.b, z.r.h);
            cairo_clip(cr);
            break;
        case Zeichenart::kappen_ende: cairo_restore(cr); break;
        case Zeichenart::linien:
            strich_setzen(cr, z.rand);
            pfad(cr, z);
            cairo_stroke(cr);
            break;
        default:
            pfad(cr, z);
            if (z.fuellen) {
                cairo_set_source_rgba(cr, z.fuellfarbe.r, z.fuellfarbe.g, z.fuellfarbe.b, z.deckung);
                if (z.umranden)
                    cairo_fill_preserve(cr);
                else
                    cairo_fill(cr);
            }
            if (z.umranden) {
                strich_setzen(cr, z.rand);
                cairo_stroke(cr);
            }
        }
}

} // namespace

Textmasse PangoMass::messen(const std::string& text, Schrift s, double breite_max) const
{
    PangoLayout* l = satz(cr_, text, s, breite_max);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(l, &w, &h);
    Textmasse m{static_cast<double>(w), static_cast<double>(h),
                static_cast<double>(pango_layout_get_baseline(l)) / PANGO_SCALE};
    g_object_unref(l);
    return m;
}

void diagramm_zeichnen(cairo_t* cr, const Diagramm& d, double B, double H)
{
    cairo_save(cr);
    malen(cr, diagramm_aufbauen(d, B, H, PangoMass(cr)));
    cairo_restore(cr);
}

void diagramm_meldung_zeichnen(cairo_t* cr, const std::string& text, double B, double H)
{
    cairo_save(cr);
    malen(cr, meldung_aufbauen(text, B, H, PangoMass(cr)));
    cairo_restore(cr);
}

bool diagramm_position(const Diagramm& d, double B, double H, Punkt p, double& px, double& py)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(s);
    const bool drin = diagramm_punkt(d, B, H, PangoMass(cr), p, px, py);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    return drin;
}
