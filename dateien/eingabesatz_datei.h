// Input sets as files on the desktop (GLib's file functions): the error text
// names the file; a set is written so that it never leaves a half file.
#pragma once
#include "eingabesatz.h"

#include <string>

bool kv_eingabesatz_lesen(const KvRechner& r, const std::string& pfad, KvEingaben& e,
                          std::string& fehler);
bool kv_eingabesatz_schreiben(const KvRechner& r, const KvEingaben& e, const std::string& pfad,
                              std::string& fehler);
