#pragma once

#include <QWidget>

#include "core/workspace/Workspace.h"

class QAction;
class QLabel;
class QListWidget;

namespace korvane {

// The named matrices beside the grid: each name with its size, its cells
// shown on hover. The keys of the list run the window's commands on the
// chosen name: Enter recalls it into the grid, F2 renames it, Delete
// deletes it, Insert stores the grid under a name; the buttons below do the
// same.
class MatricesPanel : public QWidget {
    Q_OBJECT

  public:
    explicit MatricesPanel(QWidget* parent = nullptr);

    // The commands the keys and the buttons run.
    struct Commands {
        QAction* store;
        QAction* recall;
        QAction* rename;
        QAction* remove;
    };
    void UseCommands(const Commands& commands);

    // Lists the workspace's matrices; the chosen name stays chosen while it
    // is there.
    void Show(const Workspace& workspace);
    // Chooses name in the list.
    void Choose(char name);
    // The chosen name, or '\0' for none.
    char Chosen() const;
    QListWidget* List() const { return list_; }
    // Narrow: the names and sizes are short, and the grid and the log need
    // the room.
    QSize sizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListWidget* list_;
    QLabel* empty_;
    Commands commands_{};
};

// The matrix's cells as the hover shows them: its name and size, then its
// rows in columns, in a fixed-pitch font.
QString MatrixPreview(char name, const CellGrid& matrix);

}  // namespace korvane
