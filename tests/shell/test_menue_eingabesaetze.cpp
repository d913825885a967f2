// The menu bar, its shortcuts and input sets in one calculator's window, with
// real widgets under X: built once for each program (KV_PROGRAMM names its
// KvProgramm).  The command line maschinenelemente is the other side: a set
// it writes opens in the window and computes the same report, and a set the
// window saves reads back on the command line.
#include "diagrammfenster.h"
#include "eingabesatz_datei.h"
#include "programm_fenster.h"
#include "programm_starten.h"
#include "sichtbare_texte.h"
#include "zusatz_pruefen.h"
#include "zahlen.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <functional>
#include <map>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

const KvProgramm& P = KV_PROGRAMM;
const KvRechner& R = KV_RECHNER;
const std::string NAME = KV_PROGRAMMNAME;
// The set files' ending, asked when needed: the description is built at
// start, perhaps after this file's globals.
std::string endung() { return kv_eingabesatz_endung(R); }
const auto STRG = GDK_CONTROL_MASK;

// Inputs away from the defaults, fields and options, that still compute.
std::vector<std::string> aenderungen()
{
    if (NAME == "stalor") return {"F=5000", "l1=300", "Knickfall=3"};
    if (NAME == "tarvex") return {"d=16", "Qualitaet=8.8", "li2=40", "Dehnschraube=ja", "schlussgerollt=ja"};
    if (NAME == "lupran") return {"f=30000", "b=55", "Oelzufuhr=3", "eps_direkt=ja"};
    if (NAME == "kopdra") return {"Modus=gesucht", "tB=0.3", "JL=90"};
    return {"t=1.2", "s=0.8", "s2=1.5"};
}

Ausgang kommandozeile(std::vector<std::string> argumente)
{
    return prozess_starten(KV_MASCHINENELEMENTE, std::move(argumente));
}

// A set written by the command line: defaults plus the given changes.
std::string satz_schreiben(const std::string& pfad, std::vector<std::string> werte,
                           const std::string& programm = NAME)
{
    werte.insert(werte.begin(), {programm, "--eingaben-schreiben", pfad});
    const Ausgang l = kommandozeile(werte);
    EXPECT_EQ(l.status, 0) << l.fehler;
    return lesen(pfad);
}

// The report the command line computes from a set.
std::string bericht_von(const std::string& satz)
{
    const Ausgang l = kommandozeile({NAME, "--eingaben", satz});
    EXPECT_EQ(l.status, 0) << l.fehler;
    return l.aus;
}

std::vector<Dialog> druecken(guint t, guint umschalter, std::vector<Antwort> antworten)
{
    return ausfuehren([&] { taste(window_main, t, umschalter); }, std::move(antworten));
}

// A menu's or entry's label with its mnemonic, as the reader's language
// gives it ("_Datei", "Eingaben _oeffnen...").
std::string titel(GtkWidget* menuepunkt)
{
    GtkWidget* l = gtk_bin_get_child(GTK_BIN(menuepunkt));
    return GTK_IS_LABEL(l) ? gtk_label_get_label(GTK_LABEL(l)) : "";
}

// The menu of that German title ("Datei"), in the reader's language.
GtkWidget* menue_von(const std::string& name)
{
    for (GtkWidget* m : kv_gtk_kinder(Menue_Leiste))
        if (titel(m) == _(("_" + name).c_str()))
            return m;
    return nullptr;
}

GtkWidget* eintrag(const std::string& menue, const char* text)
{
    for (GtkWidget* e : kv_gtk_kinder(gtk_menu_item_get_submenu(GTK_MENU_ITEM(menue_von(menue)))))
        if (titel(e) == _(text))
            return e;
    return nullptr;
}

// What the window shows: every field and option, and the result fields.
struct Bild {
    KvEingaben eingaben;
    std::vector<std::string> ergebnisse;
    bool operator==(const Bild& b) const
    {
        return eingaben.texte == b.eingaben.texte && eingaben.optionen == b.eingaben.optionen
               && ergebnisse == b.ergebnisse;
    }
};

Bild bild()
{
    std::vector<GtkWidget*> felder;
    alle_felder(window_main, felder);
    Bild b{kv_gtk_eingaben_lesen(), {}};
    for (GtkWidget* f : felder)
        if (!gtk_editable_get_editable(GTK_EDITABLE(f)))
            b.ergebnisse.push_back(text(f));
    return b;
}

// The German ids, given in the test's language where compared.
const char* const KEINE_BERECHNUNG = N_("Berechnung noch nicht durchgefuert!");

class Fenster : public ProgrammFenster {};
class Texte : public ProgrammFenster {};

TEST_F(Fenster, MenueLeisteUeberDemFenster)
{
    // The menu bar first, then the calculator's top box as it was.
    const std::vector<GtkWidget*> oben = kv_gtk_kinder(Fenster_Box);
    ASSERT_EQ(oben.size(), 2u);
    EXPECT_EQ(oben[0], Menue_Leiste);
    EXPECT_EQ(oben[1], Pack_Box[P.anzahl_boxen == 7 ? 6 : 5]);
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(window_main)), Fenster_Box);
    // Icon and button pictures, decoded beforehand in their own thread.
    EXPECT_NE(gtk_window_get_icon(GTK_WINDOW(window_main)), nullptr);
    for (GtkWidget* k : {pButton_rechnen, pButton_speichern, pButton_info, pButton_ende}) {
        GtkWidget* bild = kv_gtk_kinder(gtk_bin_get_child(GTK_BIN(k)))[0];
        EXPECT_EQ(gtk_image_get_storage_type(GTK_IMAGE(bild)), GTK_IMAGE_PIXBUF);
    }

    std::vector<std::string> menues;
    for (GtkWidget* m : kv_gtk_kinder(Menue_Leiste))
        menues.push_back(titel(m));
    // Datei first, Hilfe last, a program's own menus between them.
    ASSERT_GE(menues.size(), 3u);
    EXPECT_EQ(menues[0], _("_Datei"));
    EXPECT_EQ(menues[1], _("_Berechnung"));
    EXPECT_EQ(menues.back(), _("_Hilfe"));
    for (const KvMenuepunkt& punkt : P.menuepunkte)
        EXPECT_NE(eintrag(punkt.menue, punkt.text), nullptr) << punkt.menue << " > " << punkt.text;
    std::vector<std::string> datei;
    for (GtkWidget* e : kv_gtk_kinder(gtk_menu_item_get_submenu(GTK_MENU_ITEM(menue_von("Datei")))))
        datei.push_back(titel(e));
    EXPECT_EQ(datei, (std::vector<std::string>{_("Eingaben _oeffnen..."), _("_Zuletzt geoeffnet"),
                                               _("Eingaben speichern _unter..."), "", _("_Bericht speichern..."),
                                               _("_Nachweis als PDF..."), "", _("B_eenden")}));
    ASSERT_NE(eintrag("Berechnung", "_Rechnen"), nullptr);
    ASSERT_NE(eintrag("Hilfe", "_Info"), nullptr);
    if (NAME == "wendis") {
        // Its own entry, the same as its plot button: refused before "Rechnen".
        GtkWidget* zeichnen = eintrag("Berechnung", "_Kennlinie zeichnen");
        ASSERT_NE(zeichnen, nullptr);
        auto d = ausfuehren([&] { gtk_menu_item_activate(GTK_MENU_ITEM(zeichnen)); }, {OK});
        ASSERT_EQ(d.size(), 1u);
        EXPECT_EQ(d[0].text, _(KEINE_BERECHNUNG));
    }
}

// Alt and a letter reach one menu of the bar, and in an open menu one
// letter one entry: in each menu every label has its mnemonic, and no two
// share one, in the reader's language.
// The calculator's addition (the member check, the stack of springs) in its
// dialog beside the window, computed there with the window's inputs; the
// report "Speichern" writes stays the window's.
TEST_F(Fenster, ZusatzImEigenenDialog)
{
    if (!kv_gtk_hat_zusatz())
        GTEST_SKIP() << "no addition";
    const std::string vorher = kommandozeile({NAME}).aus;
    zusatz_im_dialog_pruefen(R, "2");
    const std::string pfad = ordner + "/bericht.txt";
    ASSERT_EQ(klicken(pButton_speichern, {datei(pfad)}).size(), 1u);
    EXPECT_EQ(lesen(pfad), vorher);
}

TEST_F(Fenster, MnemonicsJeMenueEinmalig)
{
    const auto einmalig = [](GtkWidget* menue_shell, const std::string& wo) {
        std::map<guint, std::string> belegt;
        for (GtkWidget* e : kv_gtk_kinder(menue_shell)) {
            GtkWidget* l = gtk_bin_get_child(GTK_BIN(e));
            if (!GTK_IS_LABEL(l))
                continue; // a separator
            const std::string t = gtk_label_get_label(GTK_LABEL(l));
            const guint k = gdk_keyval_to_lower(gtk_label_get_mnemonic_keyval(GTK_LABEL(l)));
            EXPECT_NE(k, guint(GDK_VoidSymbol)) << wo << ": " << t << " hat keinen Mnemonic";
            if (k == GDK_VoidSymbol)
                continue;
            const auto [frueher, neu] = belegt.emplace(k, t);
            EXPECT_TRUE(neu) << wo << ": " << t << " und " << frueher->second << " teilen "
                             << gdk_keyval_name(k);
        }
    };
    einmalig(Menue_Leiste, "Menueleiste");
    for (GtkWidget* m : kv_gtk_kinder(Menue_Leiste))
        einmalig(gtk_menu_item_get_submenu(GTK_MENU_ITEM(m)), titel(m));

    // In the dialogs every mnemonic of a caption or button once.
    const auto im_dialog = [](GtkWidget* dialog, const std::string& wo) {
        std::vector<GtkWidget*> labels;
        std::function<void(GtkWidget*)> sammeln = [&](GtkWidget* w) {
            if (GTK_IS_LABEL(w) && gtk_label_get_mnemonic_keyval(GTK_LABEL(w)) != GDK_VoidSymbol)
                labels.push_back(w);
            if (GTK_IS_CONTAINER(w))
                for (GtkWidget* k : kv_gtk_kinder(w))
                    sammeln(k);
        };
        sammeln(dialog);
        EXPECT_GE(labels.size(), 4u) << wo;
        std::map<guint, std::string> belegt;
        for (GtkWidget* l : labels) {
            const guint k = gdk_keyval_to_lower(gtk_label_get_mnemonic_keyval(GTK_LABEL(l)));
            const auto [frueher, neu] = belegt.emplace(k, gtk_label_get_label(GTK_LABEL(l)));
            EXPECT_TRUE(neu) << wo << ": " << gtk_label_get_label(GTK_LABEL(l)) << " und " << frueher->second
                             << " teilen " << gdk_keyval_name(k);
        }
    };
    KvZielwertDialog* z = kv_gtk_zielwert_dialog();
    im_dialog(z->dialog, "Zielwert suchen");
    gtk_widget_destroy(z->dialog);
    if (kv_gtk_hat_kataloge()) {
        KvKatalogDialog* k = kv_gtk_katalog_dialog();
        im_dialog(k->dialog, "Katalog");
        gtk_widget_destroy(k->dialog);
    }
}

// Every text of the window, its menus and the dialogs it opens is the
// template's in the reader's language (sichtbare_texte.h), before the first
// computation.
TEST_F(Texte, JederTextAusDemKatalog)
{
    const Katalogtexte katalog(KV_VORLAGE);
    ASSERT_FALSE(katalog.woertlich.empty()) << KV_VORLAGE;
    EXPECT_EQ(fremde_texte(window_main, katalog), std::vector<std::string>{}) << "Hauptfenster";

    KvZielwertDialog* z = kv_gtk_zielwert_dialog();
    EXPECT_EQ(fremde_texte(z->dialog, katalog), std::vector<std::string>{}) << "Zielwert suchen";
    gtk_widget_destroy(z->dialog);
    if (kv_gtk_hat_kataloge()) {
        // Without what the tables themselves say.
        KvKatalogDialog* k = kv_gtk_katalog_dialog();
        EXPECT_EQ(fremde_texte(k->dialog, katalog, {k->felder, k->abgelehnt, k->kennwert_beschriftung, k->kennwert}),
                  std::vector<std::string>{}) << "Katalog";
        gtk_widget_destroy(k->dialog);
    }
    if (kv_gtk_hat_zusatz()) {
        kv_c_zusatz();
        EXPECT_EQ(fremde_texte(kv_gtk_zusatz_dialog(), katalog), std::vector<std::string>{}) << R.zusatz.rahmen;
        gtk_dialog_response(GTK_DIALOG(kv_gtk_zusatz_dialog()), GTK_RESPONSE_CLOSE);
    }
    if (R.diagramm) {
        kv_c_diagramm_zeigen();
        EXPECT_EQ(fremde_texte(kv_gtk_diagrammfenster(), katalog), std::vector<std::string>{}) << "Diagramm";
        gtk_widget_destroy(kv_gtk_diagrammfenster());
    }
    ereignisse_abarbeiten();
}

TEST_F(Fenster, TastenErreichenIhreHandler)
{
    auto d = druecken(GDK_F1, 0, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _(P.info_text));

    EXPECT_TRUE(druecken(GDK_F5, 0, {}).empty());
    EXPECT_EQ(gerechnet, 1);
    d = druecken(GDK_Return, STRG, {NEIN});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n"));

    const std::string pfad = ordner + "/bericht.txt";
    d = druecken(GDK_s, STRG, {datei(pfad)});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Ergebnisse speichern"));
    EXPECT_EQ(lesen(pfad), kv_gtk_letzter_bericht());

    d = druecken(GDK_o, STRG, {ABBRECHEN});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].art, "datei");
    EXPECT_EQ(d[0].text, _("Eingaben oeffnen"));
    d = druecken(GDK_S, STRG | GDK_SHIFT_MASK, {ABBRECHEN});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Eingaben speichern unter"));
    EXPECT_EQ(gerechnet, 1); // cancelled: nothing changed
}

// The defaults with aenderungen() applied.
KvEingaben geaendert()
{
    KvEingaben e = kv_vorgaben(R);
    for (const std::string& z : aenderungen()) {
        const std::string name = z.substr(0, z.find('=')), wert = z.substr(z.find('=') + 1);
        if (const int i = kv_eingabe_index(R, name); i >= 0)
            e.texte[i] = wert;
        else
            e.optionen[kv_option_index(R, name)] = kv_optionswert_index(
                R.optionen[kv_option_index(R, name)], wert);
    }
    return e;
}

// Title, note and markers: what names the computation a diagram shows.
std::string kennung(const Diagramm& d)
{
    std::string k = d.titel + "\n" + d.hinweis;
    for (const Marke& m : d.marken)
        k += "\n" + kv_kurz(m.p.x) + " " + kv_kurz(m.p.y);
    return k;
}

TEST_F(Fenster, DiagrammZeigtDieLetzteRechnung)
{
    const KvEingaben e = geaendert();
    kv_gtk_eingaben_setzen(e);
    EXPECT_TRUE(druecken(GDK_F5, 0, {}).empty());
    ASSERT_NE(eintrag("Ansicht", "_Diagramm"), nullptr);
    druecken(GDK_d, STRG, {});
    ASSERT_NE(kv_gtk_diagrammfenster(), nullptr);
    const Diagramm* gezeigt = kv_gtk_diagrammfenster_diagramm();
    ASSERT_NE(gezeigt, nullptr);

    KvStand stand;
    KvRechnung rechnung;
    ASSERT_TRUE(kv_lesen(R, e, stand, rechnung, true));
    Diagramm erwartet;
    std::string fehler;
    ASSERT_TRUE(R.diagramm(stand, erwartet, fehler)) << fehler;
    EXPECT_EQ(kennung(*gezeigt), kennung(erwartet));

    // An edited field and a declined recompute: still the computation shown.
    const std::string vorher = kennung(*gezeigt);
    KvEingabeWidgets w;
    P.eingabe_widgets(w);
    setzen(w.felder[0], kv_kurz(kv_zahl_lesen(e.texte[0].c_str()) * 1.1));
    druecken(GDK_F5, 0, {NEIN});
    ASSERT_NE(kv_gtk_diagrammfenster_diagramm(), nullptr);
    EXPECT_EQ(kennung(*kv_gtk_diagrammfenster_diagramm()), vorher);
    // Computed again: the diagram follows.
    druecken(GDK_F5, 0, {JA});
    ASSERT_NE(kv_gtk_diagrammfenster_diagramm(), nullptr);
    EXPECT_NE(kennung(*kv_gtk_diagrammfenster_diagramm()), vorher);
    gtk_widget_destroy(kv_gtk_diagrammfenster());
    ereignisse_abarbeiten();
}

TEST_F(Fenster, EingabesatzZwischenFensterUndKommandozeile)
{
    const std::string a = ordner + "/a" + endung();
    const std::string text_a = satz_schreiben(a, aenderungen());
    KvEingaben erwartet;
    std::string fehler;
    ASSERT_TRUE(kv_eingabesatz_lesen(R, a, erwartet, fehler)) << fehler;

    // Opened: every field and option as in the set, nothing computed yet.
    klicken(pButton_rechnen, {});
    EXPECT_TRUE(druecken(GDK_o, STRG, {datei(a)}).size() == 1u);
    const KvEingaben im_fenster = kv_gtk_eingaben_lesen();
    EXPECT_EQ(im_fenster.texte, erwartet.texte);
    EXPECT_EQ(im_fenster.optionen, erwartet.optionen);
    auto d = druecken(GDK_s, STRG, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _(KEINE_BERECHNUNG));

    // Computed, the report is the command line's from the same set.
    EXPECT_TRUE(druecken(GDK_F5, 0, {}).empty());
    const std::string bericht = ordner + "/bericht.txt";
    druecken(GDK_s, STRG, {datei(bericht)});
    EXPECT_EQ(lesen(bericht), bericht_von(a));

    // Saved under a name without extension: the program's is added, the
    // file is the command line's byte for byte.  (A name no other file
    // begins with: the chooser completes what is typed.)
    d = druecken(GDK_S, STRG | GDK_SHIFT_MASK, {datei(ordner + "/zweiter")});
    ASSERT_EQ(d.size(), 1u) << d.back().art << ": " << d.back().text;
    const std::string b = ordner + "/zweiter" + endung();
    EXPECT_EQ(lesen(b), text_a);
    EXPECT_FALSE(g_file_test((ordner + "/zweiter").c_str(), G_FILE_TEST_EXISTS));

    // An existing set: No and closing keep it, Yes replaces it.
    schreiben(b, "alt\n");
    d = druecken(GDK_S, STRG | GDK_SHIFT_MASK, {datei(b), NEIN});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].text, _("Es ist schon ein Eingabesatz vorhanden!\nSoll dieser ueberschrieben werden?"));
    EXPECT_EQ(lesen(b), "alt\n");
    druecken(GDK_S, STRG | GDK_SHIFT_MASK, {datei(b), SCHLIESSEN});
    EXPECT_EQ(lesen(b), "alt\n");
    druecken(GDK_S, STRG | GDK_SHIFT_MASK, {datei(b), JA});
    EXPECT_EQ(lesen(b), text_a);
}

TEST_F(Fenster, FremderOderFehlerhafterSatzAendertNichts)
{
    const std::string a = ordner + "/a" + endung();
    const std::string text_a = satz_schreiben(a, aenderungen());
    ASSERT_TRUE(kv_gtk_eingabesatz_oeffnen(a));
    klicken(pButton_rechnen, {});
    const Bild vorher = bild();

    const std::string anderes = NAME == "stalor" ? "tarvex" : "stalor";
    const std::string fremd = ordner + "/fremd" + endung(); // renamed, still the other's
    satz_schreiben(fremd, {}, anderes);
    const std::string kaputt = ordner + "/kaputt" + endung();
    schreiben(kaputt, "[" + NAME + "\nFormatversion=1\n");
    const std::string unbekannt = ordner + "/unbekannt" + endung();
    schreiben(unbekannt, text_a + "Unsinn=1\n");
    const std::string fehlt = ordner + "/fehlt" + endung();

    const std::vector<std::pair<std::string, std::string>> faelle = {
        {fremd, "ist ein Eingabesatz fuer " + anderes + ", nicht fuer " + NAME},
        {kaputt, "ist kein Eingabesatz (Aufbau fehlerhaft)"},
        {unbekannt, "unbekannter Name \"Unsinn\""},
        {fehlt, "kann nicht gelesen werden (Datei oder Ordner nicht vorhanden)"},
    };
    for (const auto& [pfad, grund] : faelle) {
        // Through the chooser as a user opens it; the missing one by name.
        const std::string& name = pfad;
        const auto d = pfad == fehlt
            ? ausfuehren([&] { kv_gtk_eingabesatz_oeffnen(name); }, {OK})
            : druecken(GDK_o, STRG, {datei(pfad), OK});
        ASSERT_FALSE(d.empty());
        EXPECT_EQ(d.back().art, "error");
        // The reason in the reader's language, naming the file.
        EXPECT_EQ(d.back().text.rfind(_("Fehler beim Oeffnen!\n"), 0), 0u);
        if (auf_deutsch()) {
            EXPECT_EQ(d.back().text, "Fehler beim Oeffnen!\nEingabesatz " + pfad + ": " + grund);
        }
        EXPECT_NE(d.back().text.find(pfad), std::string::npos);
        EXPECT_EQ(d.back().ueber, GTK_WINDOW(window_main));
        EXPECT_TRUE(bild() == vorher) << pfad;
        EXPECT_EQ(gerechnet, 1) << pfad;
    }
}

TEST_F(Fenster, ZuletztGeoeffnetNurDieseSaetze)
{
    const std::string a = ordner + "/a" + endung();
    satz_schreiben(a, aenderungen());
    const std::string b = ordner + "/b" + endung();
    ASSERT_TRUE(kv_gtk_eingabesatz_oeffnen(a));
    druecken(GDK_S, STRG | GDK_SHIFT_MASK, {datei(b)});
    // Another program's set in the same list.
    const std::string anderes = NAME == "stalor" ? "tarvex" : "stalor";
    gchar* fremd = g_filename_to_uri((ordner + "/x." + anderes).c_str(), nullptr, nullptr);
    schreiben(ordner + "/x." + anderes, "");
    gtk_recent_manager_add_item(gtk_recent_manager_get_default(), fremd);

    // Opening "Datei" makes the list.
    GtkWidget* datei_menue = menue_von("Datei");
    gtk_menu_shell_select_item(GTK_MENU_SHELL(Menue_Leiste), datei_menue);
    ereignisse_abarbeiten();
    GtkWidget* zuletzt = eintrag("Datei", "_Zuletzt geoeffnet");
    EXPECT_TRUE(gtk_widget_is_sensitive(zuletzt));
    GtkWidget* liste = gtk_menu_item_get_submenu(GTK_MENU_ITEM(zuletzt));
    ASSERT_TRUE(GTK_IS_RECENT_CHOOSER(liste));
    gsize n = 0;
    gchar** uris = gtk_recent_chooser_get_uris(GTK_RECENT_CHOOSER(liste), &n);
    std::vector<std::string> namen;
    for (gsize i = 0; i < n; ++i) {
        gchar* pfad = g_filename_from_uri(uris[i], nullptr, nullptr);
        namen.push_back(pfad);
        g_free(pfad);
    }
    g_strfreev(uris);
    std::sort(namen.begin(), namen.end()); // used in the same second: any order
    EXPECT_EQ(namen, (std::vector<std::string>{a, b}));
    gtk_menu_shell_deactivate(GTK_MENU_SHELL(Menue_Leiste));
    g_free(fremd);

    // Choosing one opens it.
    kv_gtk_eingaben_setzen(kv_vorgaben(R));
    ereignisse_abarbeiten();
    GtkWidget* punkt = nullptr;
    for (GtkWidget* e : kv_gtk_kinder(liste))
        if (titel(e).find("a" + endung()) != std::string::npos)
            punkt = e;
    ASSERT_NE(punkt, nullptr);
    EXPECT_TRUE(ausfuehren([&] { gtk_menu_item_activate(GTK_MENU_ITEM(punkt)); }, {}).empty());
    KvEingaben erwartet;
    std::string fehler;
    ASSERT_TRUE(kv_eingabesatz_lesen(R, a, erwartet, fehler));
    EXPECT_EQ(kv_gtk_eingaben_lesen().texte, erwartet.texte);
}

// The file choosers that exist in the program, shown or not.
int dateiauswahlen()
{
    int n = 0;
    GList* alle = gtk_window_list_toplevels();
    for (GList* l = alle; l; l = l->next)
        n += GTK_IS_FILE_CHOOSER(l->data) ? 1 : 0;
    g_list_free(alle);
    return n;
}

// Enter or Escape pressed the moment a chooser opens in a large folder: it
// is answered while it still lists the folder.  Destroyed then, GTK 2's
// chooser crashed the program once the listing ended (the window tests'
// dialog answering fails any test in which a chooser is destroyed while it
// lists); now it keeps the answer until it has listed, then closes, and the
// window goes on.
TEST_F(Fenster, DateiauswahlSofortBeantwortetBeimAuflisten)
{
    const std::string gross = ordner + "/gross";
    ASSERT_EQ(g_mkdir(gross.c_str(), 0700), 0);
    for (int i = 0; i < 3000; ++i)
        schreiben(gross + "/datei" + std::to_string(i) + endung(), "");
    const std::string a = gross + "/a" + endung();
    satz_schreiben(a, aenderungen());
    ASSERT_TRUE(kv_gtk_eingabesatz_oeffnen(a)); // the choosers start in that folder
    Antwort sofort = ABBRECHEN;
    sofort.beim_auflisten = true;
    for (int runde = 1; runde <= 2; ++runde) {
        auto d = druecken(GDK_o, STRG, {sofort});
        ASSERT_EQ(d.size(), 1u);
        EXPECT_EQ(d[0].text, _("Eingaben oeffnen"));
        EXPECT_EQ(dateiauswahlen(), 0) << "Runde " << runde;
        d = druecken(GDK_S, STRG | GDK_SHIFT_MASK, {sofort});
        ASSERT_EQ(d.size(), 1u);
        EXPECT_EQ(d[0].text, _("Eingaben speichern unter"));
        EXPECT_EQ(dateiauswahlen(), 0) << "Runde " << runde;
    }
    EXPECT_TRUE(druecken(GDK_F5, 0, {}).empty());
    EXPECT_EQ(gerechnet, 1);
    EXPECT_EQ(kv_gtk_eingaben_lesen().texte, geaendert().texte);
}

// A folder where writing more than a few bytes fails: a full tmpfs when this
// process may mount one, else a file-size limit on this process.
class VollerOrdner {
public:
    VollerOrdner(const std::string& ordner, bool tmpfs) : ordner_(ordner)
    {
        if (tmpfs) {
            gemountet_ = mount("tmpfs", ordner.c_str(), "tmpfs", 0, "size=16k") == 0;
            return;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &alt_);
        rlimit neu = alt_;
        neu.rlim_cur = 64;
        begrenzt_ = setrlimit(RLIMIT_FSIZE, &neu) == 0;
    }
    bool bereit() const { return gemountet_ || begrenzt_; }
    // Fills what the tmpfs has left.
    void fuellen()
    {
        if (!gemountet_)
            return;
        std::FILE* f = std::fopen((ordner_ + "/fueller").c_str(), "w");
        const std::string block(512, 'x');
        while (f && std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
        }
        if (f)
            std::fclose(f);
    }
    ~VollerOrdner()
    {
        if (begrenzt_)
            setrlimit(RLIMIT_FSIZE, &alt_);
        if (gemountet_)
            aushaengen();
    }

private:
    // A chooser that has listed the folder is done with it once it has read
    // the last name, but the toolkit closes the folder after that, in a
    // thread of its own: until then the tmpfs is busy and cannot be
    // unmounted.  Unmounted once nothing holds it, within the time a dialog
    // has; else the test fails, and the tmpfs is detached all the same, so
    // that the folder can be removed and no mount is left behind.
    void aushaengen()
    {
        const gint64 ende = g_get_monotonic_time() + 10 * G_USEC_PER_SEC;
        while (umount(ordner_.c_str()) != 0) {
            const int fehler = errno;
            if (fehler != EBUSY || g_get_monotonic_time() >= ende) {
                ADD_FAILURE() << "tmpfs " << ordner_ << " nicht ausgehaengt"
                              << (fehler == EBUSY ? " (nach 10 s noch belegt): " : ": ")
                              << g_strerror(fehler);
                umount2(ordner_.c_str(), MNT_DETACH);
                return;
            }
            g_main_context_iteration(nullptr, FALSE);
            g_usleep(G_USEC_PER_SEC / 100);
        }
    }

    std::string ordner_;
    rlimit alt_{};
    bool gemountet_ = false, begrenzt_ = false;
};

TEST_F(Fenster, FehlgeschlagenesSchreibenLaesstDieAlteDatei)
{
    for (const bool tmpfs : {true, false}) {
        const std::string voll = ordner + (tmpfs ? "/tmpfs" : "/begrenzt");
        ASSERT_EQ(g_mkdir(voll.c_str(), 0700), 0);
        VollerOrdner v(voll, tmpfs);
        if (!v.bereit())
            continue; // no mount here (not root)
        const std::string bericht = voll + "/bericht.txt", satz = voll + "/satz" + endung();
        schreiben(bericht, "alter Bericht\n");
        schreiben(satz, "alter Satz\n");
        v.fuellen();

        gerechnet = 0;
        klicken(pButton_rechnen, {});
        auto d = druecken(GDK_s, STRG, {datei(bericht), JA, OK});
        ASSERT_EQ(d.size(), 3u) << voll;
        EXPECT_EQ(d[2].text, uebersetzt("Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht geschrieben werden:\n"
                                            + bericht,
                                        "Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht geschrieben werden:\n{1}",
                                        {bericht}));
        EXPECT_EQ(lesen(bericht), "alter Bericht\n");

        d = druecken(GDK_S, STRG | GDK_SHIFT_MASK, {datei(satz), JA, OK});
        ASSERT_EQ(d.size(), 3u);
        EXPECT_EQ(d[2].art, "error");
        EXPECT_EQ(d[2].text.rfind(_("Fehler beim Speichern!\n")
                                      + nur_deutsch("Eingabesatz " + satz + ": kann nicht geschrieben werden ("),
                                  0),
                  0u);
        EXPECT_EQ(lesen(satz), "alter Satz\n");
        // No half-written file is left beside them.
        std::vector<std::string> dateien;
        GDir* dir = g_dir_open(voll.c_str(), 0, nullptr);
        while (const char* n = g_dir_read_name(dir))
            dateien.push_back(n);
        g_dir_close(dir);
        std::sort(dateien.begin(), dateien.end());
        std::vector<std::string> erwartet = {"bericht.txt", "satz" + endung()};
        if (tmpfs)
            erwartet.insert(erwartet.begin() + 1, "fueller");
        EXPECT_EQ(dateien, erwartet);
    }
}

TEST_F(Fenster, BeendenMitStrgQ)
{
    bool zu_lange = false;
    g_idle_add([](gpointer) -> gboolean { taste(window_main, GDK_q, GDK_CONTROL_MASK); return FALSE; },
               nullptr);
    // Only a safety net against a hanging test, no measure of time.
    const guint netz = g_timeout_add_seconds(30, [](gpointer z) -> gboolean {
        *static_cast<bool*>(z) = true;
        gtk_main_quit();
        return FALSE;
    }, &zu_lange);
    gtk_main();
    EXPECT_FALSE(zu_lange);
    if (!zu_lange)
        g_source_remove(netz);
}

// Started as "stalor mein.stalor": the set is in the window once the main
// loop runs; a file that cannot be opened is told over the window.
class Start : public MitOrdner {};

TEST_F(Start, MitEingabesatz)
{
    const std::string a = ordner + "/a" + endung();
    satz_schreiben(a, aenderungen());
    std::string programm = NAME, datei = a;
    char* argv[] = {programm.data(), datei.data(), nullptr};
    const auto d = ausfuehren([&] {
        kv_gtk_starten(P, 2, argv);
        ereignisse_abarbeiten();
    }, {});
    EXPECT_TRUE(d.empty());
    KvEingaben erwartet;
    std::string fehler;
    ASSERT_TRUE(kv_eingabesatz_lesen(R, a, erwartet, fehler));
    EXPECT_EQ(kv_gtk_eingaben_lesen().texte, erwartet.texte);
    EXPECT_EQ(kv_gtk_eingaben_lesen().optionen, erwartet.optionen);
    // And computes the command line's report.
    klicken(pButton_rechnen, {});
    EXPECT_EQ(kv_gtk_letzter_bericht(), bericht_von(a));
}

TEST(StartOption, UnbekannteWirdAbgelehntVorJedemFenster)
{
    // As the real program: one line on stderr, status 2, no window (the
    // process would wait for its window to be closed otherwise).
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--foo"}, {"--sync", "-x"}, {"a" + endung(), "--foo"}}) {
        const Ausgang a = prozess_starten(KV_FENSTERPROGRAMM, args);
        EXPECT_EQ(a.status, 2) << args.back();
        EXPECT_EQ(a.fehler, NAME + ": " + uebersetzt("unbekannte Option " + args.back(), "unbekannte Option {1}", {args.back()}) + "\n");
        EXPECT_EQ(a.aus, "");
    }
}

TEST(StartOption, NachZweiStrichenIstAllesEinName)
{
    const auto rest = [](std::vector<std::string> args, std::string* fehler = nullptr) {
        args.insert(args.begin(), NAME);
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        std::vector<char*> r;
        std::string f;
        const bool ok = kv_fenster_aufruf_pruefen(static_cast<int>(argv.size()), argv.data(), r, f);
        if (fehler)
            *fehler = f;
        std::vector<std::string> namen;
        for (size_t i = 1; ok && r[i]; ++i)
            namen.emplace_back(r[i]);
        return ok ? namen : std::vector<std::string>{"abgelehnt"};
    };
    EXPECT_EQ(rest({}), std::vector<std::string>{});
    EXPECT_EQ(rest({"satz" + endung()}), std::vector<std::string>{"satz" + endung()});
    EXPECT_EQ(rest({"--", "-datei" + endung()}), std::vector<std::string>{"-datei" + endung()});
    EXPECT_EQ(rest({"-"}), std::vector<std::string>{"-"});
    EXPECT_EQ(rest({"--", "--", "-x"}), (std::vector<std::string>{"--", "-x"}));
    std::string fehler;
    EXPECT_EQ(rest({"-h"}, &fehler), std::vector<std::string>{"abgelehnt"});
    EXPECT_EQ(fehler, uebersetzt("unbekannte Option -h", "unbekannte Option {1}", {"-h"}));
}

TEST_F(Start, MitKaputterDatei)
{
    const std::string kaputt = ordner + "/kaputt" + endung();
    schreiben(kaputt, "kein Eingabesatz\n");
    std::string programm = NAME;
    char* argv[] = {programm.data(), const_cast<char*>(kaputt.c_str()), nullptr};
    const auto d = ausfuehren([&] {
        kv_gtk_starten(P, 2, argv);
        ereignisse_abarbeiten();
    }, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text.rfind(_("Fehler beim Oeffnen!\n"), 0), 0u);
    if (auf_deutsch()) {
        EXPECT_EQ(d[0].text, "Fehler beim Oeffnen!\nEingabesatz " + kaputt + ": ist kein Eingabesatz (Aufbau fehlerhaft)");
    }
    EXPECT_EQ(d[0].ueber, GTK_WINDOW(window_main));
    EXPECT_TRUE(gtk_widget_get_mapped(window_main));
    const KvEingaben e = kv_gtk_eingaben_lesen(), v = kv_vorgaben(R);
    EXPECT_EQ(e.texte, v.texte);
    EXPECT_EQ(e.optionen, v.optionen);
}

} // namespace
