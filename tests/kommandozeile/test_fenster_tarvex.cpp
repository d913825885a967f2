// tarvex's window and the command line: the same reports with another
// class, both options and a section and a plate added.
#include "fenster_wie_kommandozeile.h"
#include "tarvex.h"

TEST_F(FensterWieKommandozeile, Tarvex)
{
    kv_gtk_fenster_erzeugen(tarvex_programm);
    vergleichen({"tarvex"});
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    setzen(GTK_COMBO(Combo)->entry, "Klasse 8.8");
    G_GNUC_END_IGNORE_DEPRECATIONS
    anklicken(cButtons_Schraubenart[0]);
    anklicken(cButtons_Schraubenart[1]);
    setzen(INPUT_Nachgiebigkeit_Schraube[4], "8");
    setzen(INPUT_Nachgiebigkeit_Schraube[5], "10");
    setzen(INPUT_Nachgiebigkeit_Platte[3], "20");
    vergleichen({"tarvex", "Qualitaet=Klasse 8.8", "Dehnschraube=ja", "schlussgerollt=ja",
                 "di3=8", "li3=10", "lpi2=20"});
}
