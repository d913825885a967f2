// The window and the command line give the same report for the same inputs:
// the window's report comes through "Rechnen" and "Speichern" into a file,
// the command line's from the real program.
#pragma once
#include "programm_starten.h"
#include "fenster_test.h"
#include "shell.h"

class FensterWieKommandozeile : public MitOrdner {
protected:
    // What "Speichern" writes after "Rechnen" with what the window holds now.
    std::string fenster_bericht()
    {
        klicken(pButton_rechnen, gerechnet ? std::vector<Antwort>{JA} : std::vector<Antwort>{});
        const std::string pfad = ordner + "/bericht" + std::to_string(++nummer_) + ".txt";
        klicken(pButton_speichern, {datei(pfad)});
        return lesen(pfad);
    }

    // The same inputs given to the command line; the report must be equal
    // and not empty.
    void vergleichen(const std::vector<std::string>& args)
    {
        const std::string fenster = fenster_bericht();
        const Ausgang k = programm_starten(args);
        ASSERT_EQ(k.status, 0) << k.fehler;
        EXPECT_FALSE(fenster.empty());
        EXPECT_EQ(k.aus, fenster);
    }

    static void anklicken(GtkWidget* knopf) { klicken(knopf, {}); }

private:
    int nummer_ = 0;
};
