// Screen readers and the keyboard: every field is tied to its caption, and
// Tab walks the window in reading order.  Both follow from where the panels
// put things, so the window is walked once after it is built; no panel and
// no visible text changes for it.
#include "shell.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Zelle {
    GtkWidget* w;
    guint links, rechts, oben;
};


// The cells of a table in reading order: row by row, left to right.
std::vector<Zelle> zellen(GtkWidget* tabelle)
{
    std::vector<Zelle> v;
    for (GtkWidget* w : kv_gtk_kinder(tabelle)) {
        Zelle z{w, 0, 0, 0};
        gtk_container_child_get(GTK_CONTAINER(tabelle), w, "left-attach", &z.links,
                                "right-attach", &z.rechts, "top-attach", &z.oben, nullptr);
        v.push_back(z);
    }
    std::stable_sort(v.begin(), v.end(), [](const Zelle& a, const Zelle& b) {
        return a.oben != b.oben ? a.oben < b.oben : a.links < b.links;
    });
    return v;
}

G_GNUC_BEGIN_IGNORE_DEPRECATIONS
bool ist_combo(GtkWidget* w) { return GTK_IS_COMBO(w); }
GtkWidget* eingabe(GtkWidget* w) { return ist_combo(w) ? GTK_COMBO(w)->entry : w; }
G_GNUC_END_IGNORE_DEPRECATIONS

bool ist_feld(GtkWidget* w) { return GTK_IS_ENTRY(w) || ist_combo(w); }

// A column caption over several fields: each field is labelled by it and
// named with its row, so "di / mm, Zeile 3" tells the rows apart.
void unter_spaltenkopf(GtkWidget* kopf, GtkWidget* feld, int zeile)
{
    AtkObject* f = gtk_widget_get_accessible(feld);
    AtkObject* k = gtk_widget_get_accessible(kopf);
    if (!GTK_IS_ACCESSIBLE(f) || !GTK_IS_ACCESSIBLE(k))
        return; // no accessibility support loaded
    atk_object_add_relationship(f, ATK_RELATION_LABELLED_BY, k);
    atk_object_add_relationship(k, ATK_RELATION_LABEL_FOR, f);
    const std::string name = kv_einsetzen(_("{1}, Zeile {2}"), {gtk_label_get_text(GTK_LABEL(kopf)),
                                                                std::to_string(zeile)});
    atk_object_set_name(f, name.c_str());
}

// A field's caption stands left of it in the same row, or above it in the
// same column (the first label met going up).
void tabelle_beschriften(GtkWidget* tabelle)
{
    const std::vector<Zelle> z = zellen(tabelle);
    struct Unter { GtkWidget* kopf; std::vector<GtkWidget*> felder; };
    std::vector<Unter> spalten;
    for (const Zelle& f : z) {
        if (!ist_feld(f.w))
            continue;
        const auto links = std::find_if(z.begin(), z.end(), [&](const Zelle& c) {
            return GTK_IS_LABEL(c.w) && c.oben == f.oben && c.rechts == f.links;
        });
        if (links != z.end()) {
            gtk_label_set_mnemonic_widget(GTK_LABEL(links->w), eingabe(f.w));
            continue;
        }
        const Zelle* kopf = nullptr;
        for (const Zelle& c : z)
            if (GTK_IS_LABEL(c.w) && c.links == f.links && c.oben < f.oben
                && (!kopf || c.oben > kopf->oben))
                kopf = &c;
        if (!kopf)
            continue;
        auto s = std::find_if(spalten.begin(), spalten.end(),
                              [&](const Unter& u) { return u.kopf == kopf->w; });
        if (s == spalten.end())
            s = spalten.insert(spalten.end(), {kopf->w, {}});
        s->felder.push_back(eingabe(f.w));
    }
    for (const Unter& s : spalten) {
        if (s.felder.size() == 1) {
            gtk_label_set_mnemonic_widget(GTK_LABEL(s.kopf), s.felder[0]);
            continue;
        }
        for (size_t i = 0; i < s.felder.size(); ++i)
            unter_spaltenkopf(s.kopf, s.felder[i], static_cast<int>(i) + 1);
    }
}

} // namespace

void kv_gtk_zugaenglich_machen(GtkWidget* w)
{
    // Buttons hold only their picture and label; the combo box keeps its own order.
    if (!GTK_IS_CONTAINER(w) || GTK_IS_BUTTON(w) || ist_combo(w))
        return;
    std::vector<GtkWidget*> folge;
    if (GTK_IS_TABLE(w)) {
        tabelle_beschriften(w);
        for (const Zelle& z : zellen(w))
            folge.push_back(z.w);
    } else {
        folge = kv_gtk_kinder(w); // boxes: in packing order, top to bottom or left to right
    }
    if (GTK_IS_TABLE(w) || GTK_IS_BOX(w)) {
        GList* kette = nullptr;
        for (GtkWidget* k : folge)
            kette = g_list_append(kette, k);
        gtk_container_set_focus_chain(GTK_CONTAINER(w), kette);
        g_list_free(kette);
    }
    for (GtkWidget* k : folge)
        kv_gtk_zugaenglich_machen(k);
}
