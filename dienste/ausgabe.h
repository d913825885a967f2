// Computations as JSON objects or CSV lines: numbers with the shortest
// digits that read back as the same double, texts escaped as JSON and
// RFC 4180 want them.
#pragma once
#include "rechner.h"
#include "suche.h"

#include <string>
#include <vector>

// A text as a JSON string, quoted and escaped.
void kv_json_text_anhaengen(std::string& aus, std::string_view t);

// The text of a status: "berechnet", "verweigert".
const char* kv_status_text(KvStatus s);

// A search around a computation: its member "suche" in the computation's
// object; without a solution the object has status "keine Loesung", the
// message and no value of the field.
struct KvJsonSuche {
    const KvSuche& suche;
    const KvSuchergebnis& ergebnis;
};

// What the JSON of a single computation adds to a study's points: the
// member "pruefungen", the checks with a limit of its working ({"name",
// "wert", "grenze", "erfuellt"}), and, when not empty, the member
// "katalog" as the JSON of the entries its inputs hold.
struct KvJsonZusatz {
    std::string katalog;
};

// One computation as a JSON object, its lines indented by einzug.
void kv_json_anhaengen(std::string& aus, const KvRechner& r, const KvEingaben& eingaben,
                       const KvStand& stand, const KvRechnung& rechnung, const std::string& einzug,
                       const KvJsonSuche* suche = nullptr, const KvJsonZusatz* zusatz = nullptr);

// The checks with a limit as a JSON array on one line.
void kv_json_pruefungen_anhaengen(std::string& aus, const std::vector<KvPruefung>& pruefungen);

// What a calculator tells about itself, as one JSON object: its fields,
// options, results and notes in window order with captions, units, defaults
// and the frames the window shows them in.
void kv_beschreibung_anhaengen(std::string& aus, const KvRechner& r, const std::string& einzug);

// The status of a row without a solution of its search.
extern const char* const KV_KEINE_LOESUNG;

// CSV lines of computations that differ only in the values of the fields
// listed in variiert: everything else is formatted once.
class KvCsv {
public:
    KvCsv(const KvRechner& r, const KvEingaben& eingaben, const KvStand& stand,
          std::vector<int> variiert);
    void kopf_anhaengen(std::string& aus) const;
    void zeile_anhaengen(std::string& aus, const KvStand& stand, const KvRechnung& rechnung) const;
    // A row of a search without a solution: its status and message, the
    // field sought and the results empty.
    void ohne_loesung_anhaengen(std::string& aus, const KvStand& stand, const std::string& meldung,
                                int feld) const;

private:
    void zeile(std::string& aus, const KvStand& stand, const KvRechnung& rechnung,
               const char* status, int leer) const;
    const KvRechner& r_;
    std::vector<std::string> zellen_; // the inputs' and options' cells, "," before each
    std::vector<bool> variiert_;
};
