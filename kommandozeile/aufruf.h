// The options of the command line, read with GLib's option parser.
#pragma once
#include <string>
#include <vector>

struct KvAufruf {
    std::string format = "bericht";
    std::vector<std::string> variiere;
    std::string eingaben;
    std::string eingaben_schreiben;
    std::string diagramm;
    std::string groesse;
    std::string suche;   // the field sought; its target is an ERGEBNIS=WERT in rest
    std::string bereich; // VON:BIS of the search
    std::string nachweis;
    std::string projekt;
    std::string bearbeiter;
    std::vector<std::string> katalog; // TABELLE:EINTRAG, applied in this order
    bool namen = false;
    bool ergebnisnamen = false;
    bool kataloge = false;
    std::string auslegung; // the table walked; its conditions ERGEBNIS>=WERT are in rest
    bool hilfe = false;
    bool version = false;
    std::vector<std::string> rest; // PROGRAMM and NAME=WERT
};

// False with a German message when the options cannot be read.
bool kv_aufruf_lesen(int argc, char** argv, KvAufruf& a, std::string& fehler);
