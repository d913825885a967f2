#include "mitschrift.h"

#include "zahlen.h"

void kv_schritt(KvRechengang& gang, const char* symbol, const char* vorlage,
                std::initializer_list<double> werte, double wert, const char* einheit)
{
    KvSchritt s;
    s.symbol = symbol;
    s.wert = wert;
    s.einheit = einheit;
    const double* naechster = werte.begin();
    for (const char* p = vorlage; *p; ++p) {
        if (*p != '{') {
            s.formel += *p;
            s.eingesetzt += *p;
            continue;
        }
        const char* ende = p + 1;
        while (*ende && *ende != '}')
            ++ende;
        s.formel.append(p + 1, ende);
        const double v = naechster != werte.end() ? *naechster++ : 0.0;
        if (v < 0) s.eingesetzt += '(';
        kv_kurz_anhaengen(s.eingesetzt, v);
        if (v < 0) s.eingesetzt += ')';
        p = *ende ? ende : ende - 1;
    }
    gang.schritte.push_back(std::move(s));
}

void kv_pruefung(KvRechengang& gang, const char* text, double wert, const char* einheit,
                 const char* vergleich, double grenze, bool erfuellt, const char* bemerkung)
{
    KvPruefung p;
    p.text = text;
    p.wert = wert;
    p.einheit = einheit;
    p.mit_grenze = true;
    p.vergleich = vergleich;
    p.grenze = grenze;
    p.erfuellt = erfuellt;
    p.bemerkung = bemerkung;
    gang.pruefungen.push_back(std::move(p));
}

void kv_feststellung(KvRechengang& gang, const char* text, double wert, const char* einheit,
                     const char* bemerkung)
{
    KvPruefung p;
    p.text = text;
    p.wert = wert;
    p.einheit = einheit;
    p.bemerkung = bemerkung;
    gang.pruefungen.push_back(std::move(p));
}
