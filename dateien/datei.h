// Reading and writing whole files.  A file is written to a temporary file in
// its folder and renamed over the target only when it is complete, so a
// failed write (full disk, read-only folder, quota) leaves an existing file
// exactly as it was.  A replaced file keeps its permissions, a link its
// target; a file that may not be written, a folder or a device under the
// name is refused.  Errors are told in German.
#pragma once
#include <string>

bool kv_datei_schreiben(const std::string& pfad, const std::string& inhalt, std::string& fehler);
bool kv_datei_lesen(const std::string& pfad, std::string& inhalt, std::string& fehler);
