// What a person reads in a window, against the translations' template: every
// visible text (window titles, labels of frames, buttons, menus and fields,
// tooltips) must be one of the template's texts as the reader's language
// gives it, a sentence's pieces put in anywhere; under C and de_DE the
// German ids, under en_US the English catalogue's, under the pseudo-language
// each wrapped in [[...]].  A text never marked is in no catalogue, and a
// marked one shown without _() is German where another language is read.
#pragma once
#include "sprache.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

// The msgids of a .pot file, in order, without the header's empty one.
inline std::vector<std::string> vorlage_lesen(const std::string& pfad)
{
    std::ifstream in(pfad);
    std::vector<std::string> ids;
    std::string zeile, id;
    bool in_id = false;
    const auto fertig = [&] {
        if (in_id && !id.empty())
            ids.push_back(id);
        in_id = false;
        id.clear();
    };
    const auto anhaengen = [&](const std::string& z) {
        // "..." with C escapes, from the first quote to the last.
        const size_t a = z.find('"'), e = z.rfind('"');
        for (size_t i = a + 1; i < e; ++i) {
            if (z[i] != '\\' || i + 1 >= e) {
                id += z[i];
                continue;
            }
            const char c = z[++i];
            id += c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    };
    while (std::getline(in, zeile)) {
        if (zeile.rfind("msgid ", 0) == 0) {
            fertig();
            in_id = true;
            anhaengen(zeile);
        } else if (in_id && zeile.rfind("\"", 0) == 0) {
            anhaengen(zeile);
        } else {
            fertig();
        }
    }
    fertig();
    return ids;
}

// A text as the reader's language gives it, as a pattern: {1}, {2}, ...
// stand for any piece.
inline std::regex als_muster(const std::string& satz)
{
    static const std::regex stueck(R"(\{[0-9]+\})");
    std::string muster;
    size_t von = 0;
    const auto woertlich = [&](const std::string& t) {
        for (char c : t) {
            if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos)
                muster += '\\';
            muster += c;
        }
    };
    for (auto it = std::sregex_iterator(satz.begin(), satz.end(), stueck); it != std::sregex_iterator(); ++it) {
        woertlich(satz.substr(von, it->position() - von));
        muster += "[\\s\\S]+";
        von = it->position() + it->length();
    }
    woertlich(satz.substr(von));
    return std::regex(muster, std::regex::ECMAScript);
}

// The template's texts in the reader's language: the sentences with pieces
// as patterns, the others as they are (with a mnemonic's "_" taken out, as
// a label shows it).
struct Katalogtexte {
    std::set<std::string> woertlich;
    std::vector<std::regex> saetze;

    explicit Katalogtexte(const std::string& vorlage)
    {
        static const std::regex stueck(R"(\{[0-9]+\})");
        for (const std::string& id : vorlage_lesen(vorlage)) {
            std::string t = _(id.c_str());
            if (std::regex_search(t, stueck))
                saetze.push_back(als_muster(t));
            woertlich.insert(t);
            t.erase(std::remove(t.begin(), t.end(), '_'), t.end());
            woertlich.insert(t);
        }
    }
    bool kennt(const std::string& text) const
    {
        if (woertlich.count(text))
            return true;
        for (const std::regex& r : saetze)
            if (std::regex_match(text, r))
                return true;
        return false;
    }
};

// Texts that are no words: numbers, strength classes, "--", a unit alone.
inline bool ohne_worte(const std::string& t)
{
    static const std::regex zahl(R"([-+0-9.,eE ]*|--)");
    return std::regex_match(t, zahl);
}

struct SichtbarerText {
    std::string art; // "titel", "label", "tooltip"
    std::string text;
};

// Every visible text of w and what it holds, its menus' entries included;
// widgets in ausser and what they hold are left out.
inline void sichtbare_texte(GtkWidget* w, std::vector<SichtbarerText>& texte,
                            const std::set<GtkWidget*>& ausser = {})
{
    if (ausser.count(w))
        return;
    if (GTK_IS_WINDOW(w) && gtk_window_get_title(GTK_WINDOW(w)))
        texte.push_back({"titel", gtk_window_get_title(GTK_WINDOW(w))});
    if (GTK_IS_LABEL(w) && *gtk_label_get_text(GTK_LABEL(w)))
        texte.push_back({"label", gtk_label_get_text(GTK_LABEL(w))});
    if (gchar* tipp = gtk_widget_get_tooltip_text(w)) {
        texte.push_back({"tooltip", tipp});
        g_free(tipp);
    }
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    if (GtkTooltipsData* tipp = gtk_tooltips_data_get(w); tipp && tipp->tip_text)
        texte.push_back({"tooltip", tipp->tip_text});
    G_GNUC_END_IGNORE_DEPRECATIONS
    if (GTK_IS_MENU_ITEM(w))
        if (GtkWidget* m = gtk_menu_item_get_submenu(GTK_MENU_ITEM(w)); m && !GTK_IS_RECENT_CHOOSER(m))
            sichtbare_texte(m, texte, ausser);
    if (GTK_IS_CONTAINER(w)) {
        std::vector<GtkWidget*> kinder;
        gtk_container_forall(GTK_CONTAINER(w), [](GtkWidget* k, gpointer v) {
            static_cast<std::vector<GtkWidget*>*>(v)->push_back(k);
        }, &kinder);
        for (GtkWidget* k : kinder)
            sichtbare_texte(k, texte, ausser);
    }
}

// The texts of w that are not the template's in the reader's language.
inline std::vector<std::string> fremde_texte(GtkWidget* w, const Katalogtexte& katalog,
                                             const std::set<GtkWidget*>& ausser = {})
{
    std::vector<SichtbarerText> texte;
    sichtbare_texte(w, texte, ausser);
    std::vector<std::string> fremd;
    for (const SichtbarerText& t : texte)
        if (!ohne_worte(t.text) && !katalog.kennt(t.text))
            fremd.push_back(t.art + " \"" + t.text + "\"");
    return fremd;
}
