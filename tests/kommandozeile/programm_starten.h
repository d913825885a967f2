// Runs a program of the build (the command line's path comes from the
// build), with stdout and stderr caught.
#pragma once
#include <glib.h>

#include <string>
#include <sys/wait.h>
#include <vector>

struct Ausgang {
    int status;
    std::string aus;    // stdout
    std::string fehler; // stderr
};

// A real program, with the given environment added; ended after 20 s at
// the latest (status 124 then), so a program that waits for nothing more
// cannot hold up the test.
inline Ausgang prozess_starten(const std::string& programm, std::vector<std::string> args,
                               std::vector<std::string> umgebung = {})
{
    args.insert(args.begin(), {"timeout", "20", programm});
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    gchar** envp = g_get_environ();
    for (const std::string& u : umgebung) {
        const size_t gleich = u.find('=');
        envp = g_environ_setenv(envp, u.substr(0, gleich).c_str(), u.substr(gleich + 1).c_str(), TRUE);
    }
    gchar* aus = nullptr;
    gchar* fehler = nullptr;
    gint warten = 0;
    const gboolean ok = g_spawn_sync(nullptr, argv.data(), envp, G_SPAWN_SEARCH_PATH, nullptr, nullptr,
                                     &aus, &fehler, &warten, nullptr);
    g_strfreev(envp);
    Ausgang a{ok && WIFEXITED(warten) ? WEXITSTATUS(warten) : -1, aus ? aus : "", fehler ? fehler : ""};
    g_free(aus);
    g_free(fehler);
    return a;
}

#ifdef KV_KOMMANDOZEILE
// The command line as the real program.
inline Ausgang programm_starten(std::vector<std::string> args, std::vector<std::string> umgebung = {})
{
    return prozess_starten(KV_KOMMANDOZEILE, std::move(args), std::move(umgebung));
}
#endif
