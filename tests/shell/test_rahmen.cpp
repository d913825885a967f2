// The frames of one calculator's window against its description, with real
// widgets under X: built once for each program (KV_PROGRAMM names its
// KvProgramm).  Walking the window from top to bottom, every field and option
// stands in the innermost frame whose caption the description gives it, and
// the frames follow each other as the description's fields and options do.
#include "fenster_test.h"
#include "programm_fenster.h"

#include <algorithm>
#include <map>

namespace {

const KvRechner& R = *KV_PROGRAMM.rechner;

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
        m[w.optionen[k].front()] = R.eingaben.size() + k;
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
        return i < R.eingaben.size() ? R.eingaben[i].name
                                     : R.optionen[i - R.eingaben.size()].name;
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
    auto dazu = [&](const char* rahmen, const char* name) {
        if (alle.empty() || alle.back().beschriftung != rahmen)
            alle.push_back({rahmen, {}});
        alle.back().namen.push_back(name);
    };
    for (const KvEingabe& f : R.eingaben)
        dazu(f.rahmen, f.name);
    for (const KvOption& o : R.optionen)
        dazu(o.rahmen, o.name);
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
    EXPECT_EQ(gesehen, R.eingaben.size() + R.optionen.size());
    // A frame the description names twice apart would be two groups here.
    EXPECT_EQ(gang.ergebnis(), beschriebene_rahmen());
    for (const KvEingabe& f : R.eingaben)
        EXPECT_STRNE(f.rahmen, "") << f.name << " hat keinen Rahmen";
}

} // namespace
