// The buckling calculator's window: panels, case selection, computation and
// report hooks for the shell.
#pragma once
#include "shell.h"

extern const KvProgramm stalor_programm;

extern GtkWidget* INPUT_Geometrie[7];
extern const char* c_box_geometrie[7];
extern double d_box_geometrie[7];
extern GtkWidget* rButtons_Knickfall[4];
extern int stat_knickfall;
extern GtkWidget* LABEL_res[8];
extern GtkWidget* OUTPUT_Ergebnisse[7];
extern double d_box_ergebnisse[7];

int kv_gtk_geometrie();
int kv_gtk_rButtons();
int kv_gtk_ergebnisse();
int kv_gtk_check_rButtons();
int kv_c_berechen();
