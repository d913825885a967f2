// stalor's window and the command line: the same reports.
#include "fenster_wie_kommandozeile.h"
#include "stalor.h"

TEST_F(FensterWieKommandozeile, Stalor)
{
    kv_gtk_fenster_erzeugen(stalor_programm);
    vergleichen({"stalor"});
    setzen(INPUT_Geometrie[0], "12000.5");
    setzen(INPUT_Geometrie[6], "3.");
    anklicken(rButtons_Knickfall[3]);
    vergleichen({"stalor", "F=12000.5", "S=3.", "Knickfall=4"});
}
