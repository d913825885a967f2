// Runs the command line in the test process (its entry point, with stdout
// and stderr caught in temporary files) or as the real program.
#pragma once
#include "kommandozeile.h"
#include "programm_starten.h"

#include <cstdio>
#include <string>
#include <vector>

inline std::string alles_lesen(std::FILE* f)
{
    std::rewind(f);
    std::string s;
    char puffer[4096];
    for (size_t n; (n = std::fread(puffer, 1, sizeof puffer, f)) > 0;)
        s.append(puffer, n);
    std::fclose(f);
    return s;
}

// maschinenelemente ARGS..., in this process.
inline Ausgang aufrufen(std::vector<std::string> args)
{
    args.insert(args.begin(), "maschinenelemente");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::FILE* aus = std::tmpfile();
    std::FILE* fehler = std::tmpfile();
    const int status = kv_kommandozeile(static_cast<int>(args.size()), argv.data(), aus, fehler);
    return {status, alles_lesen(aus), alles_lesen(fehler)};
}

