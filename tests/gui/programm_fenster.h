// The window of the calculator KV_PROGRAMM names, built once per test
// program and set to its defaults, with nothing computed, before each test.
#pragma once
#include "fenster_test.h"
#include "shell.h"

extern const KvProgramm KV_PROGRAMM;
// Its description, by its own name: a test's globals may bind to it, but not
// read KV_PROGRAMM, before the libraries' objects are built.
extern const KvRechner KV_RECHNER;

class ProgrammFenster : public MitOrdner {
protected:
    static void SetUpTestSuite()
    {
        kv_bilder_vorladen(KV_PROGRAMM); // as kv_main does
        kv_gtk_fenster_erzeugen(KV_PROGRAMM);
        ereignisse_abarbeiten();
    }
    void SetUp() override
    {
        MitOrdner::SetUp();
        kv_gtk_eingaben_setzen(kv_vorgaben(*KV_PROGRAMM.rechner));
        gerechnet = 0;
    }
};
