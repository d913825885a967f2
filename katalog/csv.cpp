#include "csv.h"

#include "sprache.h"

namespace {

std::vector<std::string> zellen(std::string_view z)
{
    std::vector<std::string> v;
    size_t anfang = 0;
    for (;;) {
        const size_t komma = z.find(',', anfang);
        v.emplace_back(z.substr(anfang, komma == std::string_view::npos ? z.npos : komma - anfang));
        if (komma == std::string_view::npos)
            return v;
        anfang = komma + 1;
    }
}

} // namespace

bool kv_csv_lesen(std::string_view text, KvCsvTabelle& t, int& zeile, std::string& grund)
{
    t = {};
    zeile = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t ende = text.find('\n', pos);
        std::string_view z = text.substr(pos, ende == text.npos ? text.npos : ende - pos);
        pos = ende == text.npos ? text.size() : ende + 1;
        ++zeile;
        if (!z.empty() && z.back() == '\r')
            z.remove_suffix(1);
        if (z.empty())
            continue;
        if (z[0] == '#') {
            if (!t.spalten.empty()) {
                grund = _("Kommentarzeile nach der Kopfzeile");
                return false;
            }
            z.remove_prefix(1);
            if (!z.empty() && z[0] == ' ')
                z.remove_prefix(1);
            t.kommentare.emplace_back(z);
            continue;
        }
        std::vector<std::string> v = zellen(z);
        if (t.spalten.empty()) {
            for (size_t i = 0; i < v.size(); ++i) {
                if (v[i].empty()) {
                    grund = kv_einsetzen(_("Spalte {1} der Kopfzeile hat keinen Namen"), {std::to_string(i + 1)});
                    return false;
                }
                for (size_t j = 0; j < i; ++j)
                    if (v[j] == v[i]) {
                        grund = kv_einsetzen(_("Spalte \"{1}\" ist zweimal genannt"), {v[i]});
                        return false;
                    }
            }
            t.spalten = std::move(v);
            continue;
        }
        if (v.size() != t.spalten.size()) {
            grund = kv_einsetzen(_("{1} Zellen, die Kopfzeile hat {2}"),
                                 {std::to_string(v.size()), std::to_string(t.spalten.size())});
            return false;
        }
        t.zeilen.push_back(std::move(v));
        t.zeilennummern.push_back(zeile);
    }
    if (t.spalten.empty()) {
        grund = _("keine Kopfzeile");
        return false;
    }
    return true;
}

int kv_csv_spalte(const KvCsvTabelle& t, std::string_view name)
{
    for (size_t i = 0; i < t.spalten.size(); ++i)
        if (t.spalten[i] == name)
            return static_cast<int>(i);
    return -1;
}
