// The frames of one calculator's window against its description, with real
// widgets under X: built once for each program (KV_PROGRAMM names its
// KvProgramm).  Walking the window from top to bottom, every field and option
// stands in the innermost frame whose caption the description gives it, and
// the frames follow each other as the description's fields and options do.
// Every field stands in the table cell the description gives it, and Tab
// walks the fields in the order tests/tabfolge.txt gives for the program,
// which the page's test holds its form against.
#include "fenster_test.h"
#include "programm_fenster.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>
#include <utility>

namespace {

const KvRechner& R = KV_RECHNER;

// A frame with the names of the fields and options in it, in the order of
// the description.
struct Rahmen {
    std::string beschriftung;
    std::vector<std::string> namen;
    bool operator==(const Rahmen&) const = default;
};

void PrintTo(const Rahmen& r, std::ostream* os)
{
    *os << '"' << r.beschriftung << "\":";
    for (const std::string& n : r.namen)
        *os << ' ' << n;
}

// The window's own fields, options, results and notes: those before the
// calculator's addition, which a dialog of its own shows.
KvFensterteile fenster() { return kv_fensterteile(R); }

// Widget of each field and option (the first button of a group) to its
// index: fields first, then options.
std::map<GtkWidget*, size_t> indizes()
{
    KvEingabeWidgets w;
    KV_PROGRAMM.eingabe_widgets(w);
    std::map<GtkWidget*, size_t> m;
    for (size_t i = 0; i < w.felder.size(); ++i)
        m[w.felder[i]] = i;
    for (size_t k = 0; k < w.optionen.size(); ++k)
        m[w.optionen[k].front()] = fenster().eingaben + k;
    return m;
}

struct Gang {
    std::map<GtkWidget*, size_t> index = indizes();
    std::vector<std::string> reihenfolge;                // frames as first met
    std::map<std::string, std::vector<size_t>> inhalt;   // indices in each
    const char* rahmen = "";

    static void kind(GtkWidget* w, gpointer gang) { static_cast<Gang*>(gang)->besuchen(w); }

    void besuchen(GtkWidget* w)
    {
        const char* aussen = rahmen;
        if (GTK_IS_FRAME(w))
            rahmen = gtk_frame_get_label(GTK_FRAME(w));
        if (const auto i = index.find(w); i != index.end()) {
            if (!inhalt.count(rahmen))
                reihenfolge.push_back(rahmen);
            inhalt[rahmen].push_back(i->second);
        }
        if (GTK_IS_CONTAINER(w))
            gtk_container_forall(GTK_CONTAINER(w), kind, this);
        rahmen = aussen;
    }

    std::string name(size_t i) const
    {
        return i < size_t(fenster().eingaben) ? R.eingaben[i].name : R.optionen[i - fenster().eingaben].name;
    }

    std::vector<Rahmen> ergebnis() const
    {
        std::vector<Rahmen> alle;
        for (const std::string& b : reihenfolge) {
            std::vector<size_t> v = inhalt.at(b);
            std::sort(v.begin(), v.end());
            Rahmen r{b, {}};
            for (const size_t i : v)
                r.namen.push_back(name(i));
            alle.push_back(r);
        }
        return alle;
    }
};

std::vector<Rahmen> beschriebene_rahmen()
{
    std::vector<Rahmen> alle;
    // Each frame's caption in the reader's language.
    auto dazu = [&](const char* rahmen, const char* name) {
        if (alle.empty() || alle.back().beschriftung != _(rahmen))
            alle.push_back({_(rahmen), {}});
        alle.back().namen.push_back(name);
    };
    for (int i = 0; i < fenster().eingaben; ++i)
        dazu(R.eingaben[i].rahmen, R.eingaben[i].name);
    for (int k = 0; k < fenster().optionen; ++k)
        dazu(R.optionen[k].rahmen, R.optionen[k].name);
    return alle;
}

class Rahmenfenster : public ProgrammFenster {};

TEST_F(Rahmenfenster, FelderUndOptionenStehenInDenBeschriebenenRahmen)
{
    Gang gang;
    gang.besuchen(window_main);
    // Every field and option was met once in the window.
    size_t gesehen = 0;
    for (const auto& [b, v] : gang.inhalt)
        gesehen += v.size();
    EXPECT_EQ(gesehen, size_t(fenster().eingaben + fenster().optionen));
    // A frame the description names twice apart would be two groups here.
    EXPECT_EQ(gang.ergebnis(), beschriebene_rahmen());
    for (const KvEingabe& f : R.eingaben)
        EXPECT_STRNE(f.rahmen, "") << f.name << " hat keinen Rahmen";
}

// The widget a table holds for a field (the field, or the box around it).
GtkWidget* in_tabelle(GtkWidget* w)
{
    while (w && !GTK_IS_TABLE(gtk_widget_get_parent(w)))
        w = gtk_widget_get_parent(w);
    return w;
}

TEST_F(Rahmenfenster, FelderStehenInDenBeschriebenenZellen)
{
    KvEingabeWidgets w;
    KV_PROGRAMM.eingabe_widgets(w);
    ASSERT_EQ(w.felder.size(), size_t(fenster().eingaben));
    for (int i = 0; i < fenster().eingaben; ++i) {
        const KvEingabe& f = R.eingaben[i];
        const KvZelle z = kv_zelle(R, static_cast<int>(i));
        GtkWidget* kind = in_tabelle(w.felder[i]);
        ASSERT_NE(kind, nullptr) << f.name << " steht in keiner Tabelle";
        GtkWidget* tabelle = gtk_widget_get_parent(kind);
        const guint spalte = z.unter_kopf ? z.spalte : 2 * z.spalte + 1;
        guint links = 0, oben = 0;
        gtk_container_child_get(GTK_CONTAINER(tabelle), kind, "left-attach", &links, "top-attach",
                                &oben, nullptr);
        EXPECT_EQ(std::make_pair(links, oben), std::make_pair(spalte, guint(z.zeile)))
            << f.name << " (Spalte, Zeile)";
        // Its caption beside it, or heading its column.
        GtkWidget* b = z.unter_kopf ? zelle(tabelle, z.spalte, 0) : zelle(tabelle, spalte - 1, z.zeile);
        ASSERT_TRUE(b && GTK_IS_LABEL(b)) << f.name << ": keine Beschriftung";
        EXPECT_EQ(label(b), _(f.beschriftung)) << f.name;
    }
}

// The names of the fields in the order Tab is to walk them, from the
// committed list.
std::vector<std::string> erwartete_tabfolge()
{
    std::istringstream datei(lesen(KV_TABFOLGE));
    for (std::string zeile; std::getline(datei, zeile);) {
        std::istringstream w(zeile);
        std::string programm;
        if (w >> programm && programm == R.name)
            return {std::istream_iterator<std::string>(w), std::istream_iterator<std::string>()};
    }
    ADD_FAILURE() << "keine Zeile fuer " << R.name << " in " << KV_TABFOLGE;
    return {};
}

// Where the window's focus is, for a message: the widget's type and text,
// and what holds the keyboard if not the window.
std::string wo(GtkWidget* fenster)
{
    GtkWidget* f = gtk_window_get_focus(GTK_WINDOW(fenster));
    std::string s = f ? G_OBJECT_TYPE_NAME(f) : "nichts";
    if (f && GTK_IS_BUTTON(f) && gtk_button_get_label(GTK_BUTTON(f)))
        s += std::string(" \"") + gtk_button_get_label(GTK_BUTTON(f)) + '"';
    if (f && GTK_IS_ENTRY(f))
        s += " \"" + text(f) + '"';
    if (GtkWidget* g = gtk_grab_get_current())
        s += std::string(", Tastatur bei ") + G_OBJECT_TYPE_NAME(g);
    return s;
}

TEST_F(Rahmenfenster, TabGehtDurchDieFelderWieDieListe)
{
    KvEingabeWidgets w;
    KV_PROGRAMM.eingabe_widgets(w);
    const std::vector<std::string> erwartet = erwartete_tabfolge();
    ASSERT_FALSE(erwartet.empty());
    // A mode greys some fields and Tab passes them; sensitive, every field
    // comes in its place.
    std::map<GtkWidget*, std::string> namen;
    std::vector<gboolean> empfindlich;
    for (size_t i = 0; i < w.felder.size(); ++i) {
        namen[w.felder[i]] = R.eingaben[i].name;
        empfindlich.push_back(gtk_widget_get_sensitive(w.felder[i]));
        gtk_widget_set_sensitive(w.felder[i], TRUE);
    }
    const int erstes = kv_eingabe_index(R, erwartet[0]);
    ASSERT_GE(erstes, 0) << erwartet[0];
    gtk_widget_grab_focus(w.felder[erstes]);
    std::vector<std::string> gesehen{erwartet[0]};
    // Round the window once, back to the first field; a window of 48 fields
    // and its buttons and results takes far fewer steps.
    constexpr int HOECHSTENS = 300;
    int schritte = 0;
    for (; schritte < HOECHSTENS; ++schritte) {
        taste(window_main, GDK_Tab);
        GtkWidget* fokus = gtk_window_get_focus(GTK_WINDOW(window_main));
        if (fokus == w.felder[erstes])
            break;
        if (const auto n = namen.find(fokus); n != namen.end())
            gesehen.push_back(n->second);
    }
    EXPECT_LT(schritte, HOECHSTENS) << "nach " << HOECHSTENS
                                    << " Tab nicht wieder am ersten Feld " << erwartet[0]
                                    << "; Fokus zuletzt auf " << wo(window_main);
    EXPECT_EQ(gesehen, erwartet);
    for (size_t i = 0; i < w.felder.size(); ++i)
        gtk_widget_set_sensitive(w.felder[i], empfindlich[i]);
}

} // namespace
