#include "diagramm_datei.h"

#include "datei.h"
#include "diagramm_cairo.h"
#include "sprache.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <glib.h>

#include <charconv>

namespace {

cairo_status_t anhaengen(void* ziel, const unsigned char* daten, unsigned int laenge)
{
    static_cast<std::string*>(ziel)->append(reinterpret_cast<const char*>(daten), laenge);
    return CAIRO_STATUS_SUCCESS;
}

bool zahl_lesen(const char* a, const char* e, int& wert)
{
    const auto [rest, fehler] = std::from_chars(a, e, wert);
    return fehler == std::errc() && rest == e && a != e;
}

// The file's bytes in memory; false when cairo reports an error.
bool erzeugen(const Diagramm& d, Dateiart art, int b, int h, std::string& inhalt)
{
    cairo_surface_t* s = nullptr;
    switch (art) {
    case Dateiart::png: s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, b, h); break;
    case Dateiart::svg: s = cairo_svg_surface_create_for_stream(anhaengen, &inhalt, b, h); break;
    case Dateiart::pdf: s = cairo_pdf_surface_create_for_stream(anhaengen, &inhalt, b, h); break;
    case Dateiart::unbekannt: return false;
    }
    cairo_t* cr = cairo_create(s);
    diagramm_zeichnen(cr, d, b, h);
    bool gut = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    if (art == Dateiart::png)
        gut = gut && cairo_surface_write_to_png_stream(s, anhaengen, &inhalt) == CAIRO_STATUS_SUCCESS;
    cairo_surface_finish(s);
    gut = gut && cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return gut;
}

} // namespace

Dateiart diagramm_dateiart(const std::string& pfad)
{
    const size_t punkt = pfad.rfind('.');
    const size_t strich = pfad.rfind('/');
    if (punkt == std::string::npos || (strich != std::string::npos && punkt < strich))
        return Dateiart::unbekannt;
    gchar* endung = g_ascii_strdown(pfad.c_str() + punkt + 1, -1);
    const std::string e = endung;
    g_free(endung);
    return e == "png" ? Dateiart::png : e == "svg" ? Dateiart::svg
         : e == "pdf" ? Dateiart::pdf : Dateiart::unbekannt;
}

bool diagramm_groesse_lesen(const std::string& text, int& breite, int& hoehe)
{
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    int b = 0, h = 0;
    const char* t = text.data();
    if (!zahl_lesen(t, t + x, b) || !zahl_lesen(t + x + 1, t + text.size(), h))
        return false;
    if (b < 1 || h < 1 || b > DIAGRAMM_KANTE_MAX || h > DIAGRAMM_KANTE_MAX)
        return false;
    breite = b;
    hoehe = h;
    return true;
}

bool diagramm_schreiben(const Diagramm& d, const std::string& pfad, int breite, int hoehe,
                        std::string& fehler)
{
    const Dateiart art = diagramm_dateiart(pfad);
    if (art == Dateiart::unbekannt) {
        fehler = kv_einsetzen(_("Unbekannte Dateiendung: {1}\n"
                                "Das Diagramm wird als .png, .svg oder .pdf gespeichert."),
                              {pfad});
        return false;
    }
    if (breite < 1 || hoehe < 1 || breite > DIAGRAMM_KANTE_MAX || hoehe > DIAGRAMM_KANTE_MAX) {
        fehler = kv_einsetzen(_("Ungueltige Groesse {1}x{2}: Breite und Hoehe muessen zwischen 1 "
                                "und {3} liegen."),
                              {std::to_string(breite), std::to_string(hoehe),
                               std::to_string(DIAGRAMM_KANTE_MAX)});
        return false;
    }
    std::string inhalt;
    if (!erzeugen(d, art, breite, hoehe, inhalt)) {
        fehler = kv_einsetzen(_("Das Diagramm konnte nicht erzeugt werden: {1}"), {pfad});
        return false;
    }
    std::string grund;
    if (!kv_datei_schreiben(pfad, inhalt, grund)) {
        fehler = kv_einsetzen(_("Fehler beim Speichern des Diagramms:\n{1}\nDie Datei {2}."),
                              {pfad, grund});
        return false;
    }
    return true;
}
