// kopdra's window and the command line: the same reports in both modes.
#include "fenster_wie_kommandozeile.h"
#include "kopdra.h"

TEST_F(FensterWieKommandozeile, Kopdra)
{
    kv_gtk_fenster_erzeugen(kopdra_programm);
    vergleichen({"kopdra"});
    setzen(INPUT_Drehmassen[1], "120");
    vergleichen({"kopdra", "JL=120"});
    anklicken(rButtons[1]);
    setzen(INPUT_Beschleunigungszeit[0], "0.5");
    vergleichen({"kopdra", "Modus=gesucht", "JL=120", "tB=0.5"});
}
