// Fuzz target of the command line: the bytes are an argument vector (NUL or
// newline between arguments), run in this process as a script would start
// maschinenelemente, output into memory.  Files it reads and writes stay in a
// folder of the run's own: an argument with a '/' is not tried, nor a count
// or size of more than four digits (a study of a million rows, a diagram of
// ten thousand pixels square: slow, not wrong).
// Properties: the status is 0, 1 or 2; a failure leaves nothing on stdout
// and says why on stderr, wrong use in one line.
#include "fuzz_pruefen.h"
#include "kommandozeile.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

std::string ordner;

bool zu_versuchen(const std::string& a)
{
    if (a.find('/') != std::string::npos)
        return false;
    size_t ziffern = 0;
    for (char c : a) {
        ziffern = (c >= '0' && c <= '9') ? ziffern + 1 : 0;
        if (ziffern > 4)
            return false;
    }
    return true;
}

// What a call left in the run's folder goes before the next one.
void aufraeumen()
{
    GDir* d = g_dir_open(ordner.c_str(), 0, nullptr);
    if (!d)
        return;
    while (const char* name = g_dir_read_name(d))
        g_unlink((ordner + "/" + name).c_str());
    g_dir_close(d);
}

std::string lesen(char* puffer, size_t n)
{
    std::string s(puffer ? puffer : "", n);
    free(puffer);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kv_fuzz::ortsangaben_der_umgebung();
    gchar* o = g_dir_make_tmp("kv-fuzz-aufruf-XXXXXX", nullptr);
    ordner = o;
    g_free(o);
    kv_fuzz::muss(chdir(ordner.c_str()) == 0, "eigener Ordner");
    // libFuzzer ends a run of so many inputs through exit().
    std::atexit([] {
        std::error_code f;
        std::filesystem::remove_all(ordner, f);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    std::vector<std::string> args{"maschinenelemente", ""};
    for (size_t i = 0; i < n; ++i) {
        if (daten[i] == '\0' || daten[i] == '\n')
            args.emplace_back();
        else
            args.back() += static_cast<char>(daten[i]);
    }
    if (args.size() > 24)
        return 0;
    for (const std::string& a : args)
        if (!zu_versuchen(a))
            return 0;
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    char *aus_puffer = nullptr, *fehler_puffer = nullptr;
    size_t aus_n = 0, fehler_n = 0;
    std::FILE* aus = open_memstream(&aus_puffer, &aus_n);
    std::FILE* fehler = open_memstream(&fehler_puffer, &fehler_n);
    const int status = kv_kommandozeile(static_cast<int>(args.size()), argv.data(), aus, fehler);
    std::fclose(aus);
    std::fclose(fehler);
    const std::string a = lesen(aus_puffer, aus_n), f = lesen(fehler_puffer, fehler_n);
    aufraeumen();

    kv_fuzz::muss(status == 0 || status == 1 || status == 2, "Status 0, 1 oder 2");
    if (status != 0) {
        kv_fuzz::muss(a.empty(), "bei einem Fehler nichts auf stdout");
        kv_fuzz::muss(f.rfind("maschinenelemente: ", 0) == 0, "Meldung mit dem Programmnamen");
    }
    if (status == 2) {
        size_t zeilen = 0;
        for (char c : f)
            zeilen += c == '\n';
        kv_fuzz::muss(zeilen == 1 && f.back() == '\n', "falscher Aufruf in einer Zeile");
    }
    return 0;
}
