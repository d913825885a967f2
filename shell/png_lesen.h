// PNG pictures decoded into plain RGB or RGBA bytes with libpng alone: no
// toolkit type, no GLib, so it may run in any thread at any time.  The pixels
// are those GDK's own PNG reader gives (palette and grey expanded to RGB,
// transparency to alpha, 16 bits cut to 8, interlacing undone, no gamma).
#pragma once
#include <string>
#include <vector>

struct KvRohbild {
    int breite = 0, hoehe = 0;
    bool alpha = false;          // 4 bytes a pixel, else 3
    std::vector<unsigned char> pixel; // rows one after the other, no padding
};

// False when the bytes are no PNG that libpng reads to the end.
bool kv_png_lesen(const std::string& inhalt, KvRohbild& bild);

