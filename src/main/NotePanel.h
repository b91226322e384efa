#pragma once

#include "main/StatusPanel.h"

class QTimer;

namespace korvane {

// A status-bar panel for a short note about what the last edit did, such as
// how a typed text was read. It stands beside the undo counts, which stay in
// view, and goes away after a while or at the next note.
class NotePanel : public StatusPanel {
    Q_OBJECT

  public:
    NotePanel(const char* name, const QString& meaning);

    // Shows the note for a while; an empty note hides the panel at once.
    void Say(const QString& note);

  private:
    QTimer* timer_;
};

}  // namespace korvane
