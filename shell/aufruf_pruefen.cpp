// What a window program takes from its command line once the toolkit has
// taken its own options: the name of an input set to open, nothing else.
#include "shell.h"

bool kv_fenster_aufruf_pruefen(int argc, char** argv, std::vector<char*>& rest, std::string& fehler)
{
    rest.assign(argv, argv + (argc > 0 ? 1 : 0));
    bool optionen_zu_ende = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (!optionen_zu_ende && a == "--") {
            optionen_zu_ende = true;
            continue;
        }
        // An option the toolkit did not take is no file name ("-" alone is).
        if (!optionen_zu_ende && a.size() > 1 && a[0] == '-') {
            fehler = kv_einsetzen(_("unbekannte Option {1}"), {a});
            return false;
        }
        rest.push_back(argv[i]);
    }
    rest.push_back(nullptr);
    return true;
}
