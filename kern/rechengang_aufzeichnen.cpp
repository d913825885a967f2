#include "rechengang_aufzeichnen.h"

#include "zahlen.h"

namespace {

bool buchstabe(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool ziffer(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string kv_eingesetzt(std::string_view formel, std::span<const KvOperand> operanden)
{
    std::string t;
    std::size_t i = 0;
    while (i < formel.size()) {
        const std::size_t anfang = i;
        if (buchstabe(formel[i])) {
            while (i < formel.size() && (buchstabe(formel[i]) || ziffer(formel[i])))
                ++i;
            const std::string_view name = formel.substr(anfang, i - anfang);
            const KvOperand* gefunden = nullptr;
            for (const KvOperand& o : operanden)
                if (o.symbol == name)
                    gefunden = &o;
            if (!gefunden) {
                t += name;
            } else if (gefunden->wert < 0) {
                t += '(';
                kv_sechsstellig_anhaengen(t, gefunden->wert);
                t += ')';
            } else {
                kv_sechsstellig_anhaengen(t, gefunden->wert);
            }
        } else if (ziffer(formel[i]) || formel[i] == '.') {
            // A number, its exponent included ("1e9", "2.5e-3"), stays as written.
            while (i < formel.size() && (ziffer(formel[i]) || formel[i] == '.'))
                ++i;
            if (i < formel.size() && (formel[i] == 'e' || formel[i] == 'E')) {
                std::size_t j = i + 1;
                if (j < formel.size() && (formel[j] == '+' || formel[j] == '-'))
                    ++j;
                if (j < formel.size() && ziffer(formel[j])) {
                    while (j < formel.size() && ziffer(formel[j]))
                        ++j;
                    i = j;
                }
            }
            t += formel.substr(anfang, i - anfang);
        } else {
            t += formel[i++];
        }
    }
    return t;
}

void kv_schritt(KvRechengang* gang, std::string_view symbol, std::string_view formel,
                std::span<const KvOperand> operanden, double wert, std::string_view einheit)
{
    if (!gang)
        return;
    gang->schritte.push_back({std::string(symbol), std::string(formel),
                              kv_eingesetzt(formel, operanden), wert, std::string(einheit), gang->rahmen});
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
    p.rahmen = gang.rahmen;
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
    p.rahmen = gang.rahmen;
    gang.pruefungen.push_back(std::move(p));
}
