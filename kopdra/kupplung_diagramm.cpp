#include "kupplung_diagramm.h"

#include "sprache.h"

#include <algorithm>

namespace {

Diagramm rahmen(const KupplungEingabe& e, double n12, double t_ende, double n_ende)
{
    Diagramm d;
    const double n_min = std::min({e.n10, e.n20, n12, n_ende, 0.0});
    const double n_max = std::max({e.n10, e.n20, n12, n_ende});
    const double rand = 0.12 * (n_max - n_min);
    d.x = {_("Zeit t"), "s", 0, 1.15 * t_ende, false};
    d.y = {_("Drehzahl n"), "1/min", n_min < 0 ? n_min - rand : 0, n_max + rand, false};
    return d;
}

void rutschen(Diagramm& d, const KupplungEingabe& e, double tb, double n12)
{
    d.kurve({{0, e.n10}, {tb, n12}}, farben::blau, _("Antriebsseite"));
    d.kurve({{0, e.n20}, {tb, n12}}, farben::rot, _("Lastseite"));
    d.bezug(true, tb, farben::grau, "tB = " + diagramm_zahl(tb) + " s");
    d.marke({0, e.n10}, farben::blau, "n10 = " + diagramm_zahl(e.n10), "", Form::kreis,
            Seite::rechts);
    d.marke({0, e.n20}, farben::rot, "n20 = " + diagramm_zahl(e.n20), "", Form::kreis,
            Seite::rechts);
    d.marke({tb, n12}, farben::violett, "n12 = " + diagramm_zahl(n12) + " 1/min",
            _("Synchrondrehzahl n12 bei tB"), Form::quadrat, Seite::unten);
}

} // namespace

Diagramm kupplung_diagramm(const KupplungEingabe& e, const KupplungGegeben& r)
{
    Diagramm d = rahmen(e, r.n12, std::max(r.tb, r.tct0), e.nL);
    d.titel = kv_einsetzen(_("Drehzahlen beim Kuppeln (Kupplungsmoment gegeben, TK = {1} Nm)"),
                           {diagramm_zahl(e.TK)});
    rutschen(d, e, r.tb, r.n12);
    d.kurve({{r.tb, r.n12}, {r.tct0, e.nL}, {d.x.max, e.nL}}, farben::gruen,
            _("gemeinsamer Hochlauf auf nL"));
    d.bezug(true, r.tct0, farben::gruen, "tCt0 = " + diagramm_zahl(r.tct0) + " s");
    d.marke({r.tct0, e.nL}, farben::gruen, "nL = " + diagramm_zahl(e.nL) + " 1/min",
            _("Lastdrehzahl nL bei tCt0"), Form::raute, Seite::oben);
    d.hinweis = kv_einsetzen(_("Rutschen bis tB = {1} s, danach Hochlauf beider Seiten "
                               "gemeinsam in {2} s auf nL."),
                             {diagramm_zahl(r.tb), diagramm_zahl(r.tctb)});
    if (!(r.tb > 0))
        d.hinweis = kv_einsetzen(_("Keine Synchronisation: die berechnete Beschleunigungszeit "
                                   "tB = {1} s ist nicht positiv (Kupplungsmoment zu klein?)."),
                                 {diagramm_zahl(r.tb)});
    return d;
}

Diagramm kupplung_diagramm_gesucht(const KupplungEingabe& e, double TK)
{
    KupplungEingabe mit_tk = e;
    mit_tk.TK = TK;
    mit_tk.nL = 0;
    mit_tk.Z = 0;
    const KupplungGegeben r = kupplung_tk_gegeben(mit_tk);
    Diagramm d = rahmen(e, r.n12, e.tb, r.n12);
    d.titel = kv_einsetzen(_("Drehzahlen beim Kuppeln (Kupplungsmoment gesucht: TK = {1} Nm)"),
                           {diagramm_zahl(TK)});
    rutschen(d, e, e.tb, r.n12);
    d.hinweis = _("Mit dem berechneten Kupplungsmoment gleichen sich beide Seiten nach der "
                  "Beschleunigungszeit tB an. Der Hochlauf auf nL ist nicht dargestellt: nL und Z "
                  "sind in dieser Betriebsart keine Eingaben.");
    return d;
}

bool kopdra_diagramm(const KvStand& s, Diagramm& d, std::string&)
{
    const KupplungEingabe e = kupplung_eingabe(s);
    d = kupplung_tk_gesucht_gewaehlt(s) ? kupplung_diagramm_gesucht(e, kupplung_tk_gesucht(e))
                                        : kupplung_diagramm(e, kupplung_tk_gegeben(e));
    return true;
}
