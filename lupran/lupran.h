// The plain-bearing calculator's window: 13 inputs, oil-feed and
// eccentricity options, 17 results, computation and report hooks.
#pragma once
#include "shell.h"

extern const KvProgramm lupran_programm;

extern GtkWidget* INPUT_Geom_Werkstoff[13];
extern double d_box_geom_werkstoff[13];
extern GtkWidget* rButton[3];
extern GtkWidget* cButton;
extern int radio_status;
extern int check_status;
extern GtkWidget* OUTPUT_Ergebnisse[17];
extern double d_box_ergebnisse[17];
extern GtkWidget* Label_eps;
extern GtkWidget* Label_Reynolds;

int kv_gtk_check_toggle_Buttons();
int kv_c_berechen();
