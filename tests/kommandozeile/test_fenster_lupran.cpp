// lupran's window and the command line: the same reports with every oil
// feed and both eccentricity methods.
#include "fenster_wie_kommandozeile.h"
#include "lupran.h"

TEST_F(FensterWieKommandozeile, Lupran)
{
    kv_gtk_fenster_erzeugen(lupran_programm);
    vergleichen({"lupran"});
    anklicken(rButton[2]);
    anklicken(cButton);
    setzen(INPUT_Geom_Werkstoff[0], "20000");
    vergleichen({"lupran", "Oelzufuhr=3", "eps_direkt=ja", "f=20000"});
    anklicken(rButton[1]);
    vergleichen({"lupran", "Oelzufuhr=2", "eps_direkt=ja", "f=20000"});
}
