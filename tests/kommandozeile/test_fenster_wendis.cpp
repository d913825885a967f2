// wendis's window and the command line: the same reports.
#include "fenster_wie_kommandozeile.h"
#include "wendis.h"

TEST_F(FensterWieKommandozeile, Wendis)
{
    kv_gtk_fenster_erzeugen(wendis_programm);
    vergleichen({"wendis"});
    setzen(INPUT_Werkstoffdaten[6], "0.35");
    setzen(INPUT_Werkstoffdaten[3], "0.29");
    vergleichen({"wendis", "s=0.35", "nue=0.29"});
}
