// The built-in tables, compiled in as the text of katalog/tabellen/*.csv
// (CMake writes them into a generated source), so every front-end, the
// browser too, has them without a data folder.
#pragma once
#include <string_view>
#include <vector>

struct KvTabellendatei {
    const char* datei; // e.g. "metric_threads_coarse.csv"
    std::string_view text;
};

const std::vector<KvTabellendatei>& kv_tabellendateien();
// The text of that file; empty when none is built in.
std::string_view kv_tabellentext(std::string_view datei);
