// The diagram window of a calculator: the diagram of the last computation,
// drawn to the window's size and drawn again whenever it is exposed, and
// saved as PNG, SVG or PDF.  One such window per program, beside the main
// window, which it leaves as it is.
#pragma once
#include "diagramm.h"
#include "sprache.h"

#include <gtk/gtk.h>

#include <functional>
#include <optional>

// Gives the diagram of the last computation, or nothing before one.
using KvDiagrammQuelle = std::function<std::optional<Diagramm>()>;

// What the window shows before the first computation.
inline constexpr const char* KV_DIAGRAMM_NOCH_NICHTS = N_("Noch keine Berechnung: bitte zuerst Rechnen.");

// Opens the window "<programmtitel> - Diagramm" (or brings the open one to
// the front) and shows what the source gives now; the title is the
// description's, given in the reader's language.
void kv_gtk_diagrammfenster_zeigen(KvDiagrammQuelle quelle, const char* programmtitel);
// Asks the source again and redraws, e.g. after "Rechnen"; nothing when the
// window is closed.
void kv_gtk_diagrammfenster_aktualisieren();

// The open window and its parts (nullptr while it is closed).
GtkWidget* kv_gtk_diagrammfenster();
GtkWidget* kv_gtk_diagrammfenster_flaeche();
GtkWidget* kv_gtk_diagrammfenster_speichern();
// The diagram shown now, if any.
const Diagramm* kv_gtk_diagrammfenster_diagramm();
