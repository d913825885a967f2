// What the last completed computation started from and gave: the inputs at
// the press of "Rechnen", the values as read, the results, and when it was
// made.  The report, the diagram window and the calculation record show that
// computation even after fields are edited; only the plot range of a
// diagram is taken as it stands, as "Kennlinie zeichnen" does.
#include "diagrammfenster.h"
#include "shell.h"

#include <optional>

extern const KvProgramm* kv_programm;

namespace {

struct Rechnung {
    KvEingaben eingaben;
    KvStand stand;
    KvRechnung rechnung;
    KvNachweisAngaben am;
};
std::optional<Rechnung> letzte;

} // namespace

void kv_gtk_letzte_rechnung_merken(const KvEingaben& e, const KvStand& stand, const KvRechnung& rechnung)
{
    letzte = Rechnung{e, stand, rechnung, kv_nachweis_jetzt()};
    letzte->stand.texte = letzte->eingaben.texte.data();
    if (kv_programm->rechner->diagramm)
        kv_gtk_diagrammfenster_aktualisieren();
}

std::optional<KvEingaben> kv_gtk_letzte_eingaben()
{
    if (!letzte)
        return std::nullopt;
    const KvRechner& r = *kv_programm->rechner;
    KvEingaben e = letzte->eingaben;
    const KvEingaben jetzt = kv_gtk_eingaben_lesen();
    for (size_t i = 0; i < r.eingaben.size(); ++i)
        if (!r.eingaben[i].beim_rechnen)
            e.texte[i] = jetzt.texte[i];
    return e;
}

std::string kv_gtk_letzter_bericht()
{
    return letzte ? kv_programm->rechner->bericht(letzte->stand, letzte->rechnung) : "";
}

KvNachweisAngaben kv_gtk_letzte_rechnung_zeit() { return letzte ? letzte->am : KvNachweisAngaben{}; }

void kv_gtk_letzte_rechnung_vergessen() { letzte.reset(); }
