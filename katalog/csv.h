// The plain CSV of the catalogue tables: '#' lines first (title and
// provenance), one header row, then one row per entry; comma-separated,
// no quoting, UTF-8 with LF (a CR before the LF is dropped).  Plain C++,
// no GLib and no exceptions, so the browser reads the same files.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct KvCsvTabelle {
    std::vector<std::string> kommentare;         // the '#' lines without "#" and one blank
    std::vector<std::string> spalten;            // the header
    std::vector<std::vector<std::string>> zeilen;
    std::vector<int> zeilennummern;              // the file line of each row, 1-based
};

// False with the 1-based line and the reason (German) at the first fault:
// no header, an empty or twice named column, a row with another number of
// cells than the header, a '#' line after the header.  Empty lines are
// skipped.
bool kv_csv_lesen(std::string_view text, KvCsvTabelle& t, int& zeile, std::string& grund);

// Index of the column of that name; -1 when none.
int kv_csv_spalte(const KvCsvTabelle& t, std::string_view name);
