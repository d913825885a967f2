// The bolted-joint calculator's window: three input groups, the strength
// class box, two options, 20 results, computation and report hooks.
#pragma once
#include "shell.h"

extern const KvProgramm tarvex_programm;

extern GtkWidget* INPUT_Geometrie_Werkstoff[9];
extern double d_box_geometrie_werkstoff[10];
extern GtkWidget* INPUT_Nachgiebigkeit_Schraube[19];
extern GtkWidget* INPUT_Nachgiebigkeit_Platte[13];
extern GtkWidget* Combo;
extern GtkWidget* cButtons_Schraubenart[2];
extern int stat_dehns;
extern int stat_schgs;
extern GtkWidget* OUTPUT_Ergebnisse[20];
extern double d_box_ergebnisse[20];

int kv_gtk_check_cButtons();
int kv_c_berechen();
