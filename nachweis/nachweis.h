// The calculation record of one computation as a PDF, A4 portrait: head
// (title, method, program and version, date, project, author), the inputs as
// typed, the working step by step (when the calculator gives it), the
// results as the window shows them, the checks with their verdicts, the
// diagram as vector graphics, and last the complete input set as text, so
// that the computation can be repeated from the paper.  Used by the windows
// and the command line alike.
#pragma once
#include "diagramm.h"
#include "rechner.h"

#include <cstdint>
#include <string>
#include <vector>

// The diagram of a computation from the values as read (with the plot's
// fields); false with the text of the window's message.
using KvNachweisDiagramm = bool (*)(const KvStand& s, Diagramm& d, std::string& fehler);

struct KvNachweisAngaben {
    std::string projekt;    // may be empty (then no line), UTF-8
    std::string bearbeiter; // may be empty; also the PDF's author
    std::int64_t zeitpunkt = 0; // of the computation, seconds since 1970 (UTC)
    bool utc = false;           // the date in UTC, else in local time
    // The catalogue entries the inputs hold, a line each (kv_katalog_zeile).
    std::vector<std::string> katalog;
};

// The time to stamp a record with: SOURCE_DATE_EPOCH when it is set (a
// reproducible build's clock, then in UTC), otherwise now.
KvNachweisAngaben kv_nachweis_jetzt();

// The PDF's bytes for the inputs e; false with a German message when the
// calculator does not compute them (a bad field, a refusal) or cairo fails.
bool kv_nachweis_pdf(const KvRechner& r, const KvEingaben& e, KvNachweisDiagramm diagramm,
                     const KvNachweisAngaben& a, std::string& pdf, std::string& fehler);

// The same written to pfad through the one renaming writer: on any failure
// an existing file stays as it was.
bool kv_nachweis_schreiben(const KvRechner& r, const KvEingaben& e, KvNachweisDiagramm diagramm,
                           const KvNachweisAngaben& a, const std::string& pfad,
                           std::string& fehler);
