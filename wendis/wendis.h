// The disc-spring calculator's window: inputs, results and the spring
// characteristic plot, with computation and report hooks for the shell.
#pragma once
#include "shell.h"
#include "tellerfeder.h"

extern const KvProgramm wendis_programm;

extern GtkWidget* INPUT_Werkstoffdaten[7];
extern double d_box_werkstoffdaten[7];
extern GtkWidget* INPUT_Kennlinie[2];
extern double d_box_Kennlinie[2];
extern GtkWidget* OUTPUT_Ergebnisse[6];
extern double d_box_ergebnisse[6];
extern GtkWidget* Drawa;
extern GtkWidget* pButton_kennlinie;
extern GtkTooltips* TT_pButton_kennlinie;

int kv_c_berechen();
int kv_gtk_kennlinie_zeichnen();
// The picture now on the drawing area, kept for repaints (empty when cleared).
const Kennlinienbild* kv_gtk_gezeichnetes_bild();
