// The clutch calculator's window: two input columns, the mode selection,
// the seven result fields, computation and report hooks for the shell.
#pragma once
#include "shell.h"

extern const KvProgramm kopdra_programm;

extern GtkWidget* INPUT_Drehmomente[3];
extern GtkWidget* INPUT_Drehzahlen[4];
extern GtkWidget* INPUT_Drehmassen[2];
extern GtkWidget* INPUT_Beschleunigungszeit[1];
extern double d_box_drehmomente[3];
extern double d_box_drehzahlen[4];
extern double d_box_drehmassen[2];
extern double d_box_beschleunigung[1];
extern GtkWidget* OUTPUT_Ergebnisse[7];
extern double d_box_ergebnisse[7];
extern GtkWidget* rButtons[2];
extern int window_status;

int kv_gtk_set_window_style();
int kv_gtk_check_rButtons();
int kv_c_berechen();
