// Answers the modal dialogs that a click opens, as a user would: each
// scripted answer is given to the next dialog that appears, and the texts of
// the dialogs are recorded in the order they came.
#pragma once
#include <gtk/gtk.h>
#include <functional>
#include <string>
#include <vector>

struct Antwort {
    int response;          // GTK_RESPONSE_* to give, or close the window (DELETE_EVENT)
    std::string dateiname; // file chooser: the path to type in
    // Done while the dialog is open, just before the answer (another
    // program removing a folder meanwhile, say).
    std::function<void()> vorher = {};
    // File chooser: answered while it still lists its folder, at once.
    bool beim_auflisten = false;
};

struct Dialog {
    std::string art;  // "info", "error", "question", "datei"
    std::string text; // message text, or the file chooser's title
    GtkWindow* ueber = nullptr; // the window it stands over
};

// Clicks the button and answers the dialogs it opens with the answers in
// order.  Returns every dialog that was shown.  A file chooser is answered
// once it holds the file and has listed its folder; a dialog still open 10 s after it appeared fails
// the test and is closed, and so does an answer left over when the action
// has ended: the action always returns.
std::vector<Dialog> klicken(GtkWidget* knopf, std::vector<Antwort> antworten);
// The same for any action: a key pressed, a menu entry, a start-up.
std::vector<Dialog> ausfuehren(const std::function<void()>& aktion, std::vector<Antwort> antworten);

// Lets the toolkit handle pending events.
void ereignisse_abarbeiten();
