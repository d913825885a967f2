// Runs the command line as the real program (its path comes from the
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

// The real program, with the given environment added.
inline Ausgang programm_starten(std::vector<std::string> args, std::vector<std::string> umgebung = {})
{
    args.insert(args.begin(), KV_KOMMANDOZEILE);
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
    const gboolean ok = g_spawn_sync(nullptr, argv.data(), envp, G_SPAWN_DEFAULT, nullptr, nullptr,
                                     &aus, &fehler, &warten, nullptr);
    g_strfreev(envp);
    Ausgang a{ok && WIFEXITED(warten) ? WEXITSTATUS(warten) : -1, aus ? aus : "", fehler ? fehler : ""};
    g_free(aus);
    g_free(fehler);
    return a;
}
