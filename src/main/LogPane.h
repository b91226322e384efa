#pragma once

#include <QPlainTextEdit>

#include "core/formats/LogReading.h"

namespace korvane {

// The log pane memoutput. Sentences wrap at the pane's width; a matrix row
// stays one line and scrolls sideways, since the pane shows its blanks as
// no-break spaces (PaneStepLog writes it so), which the pane's text and
// what is copied from it give back as plain blanks. In the rows of an
// augmented matrix a vertical rule stands between the halves.
class LogPane : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit LogPane(QWidget* parent = nullptr);

    // Where the bar of the log's augmented matrices goes (none when
    // shape.totalCols is 0), for the rows that reach the pane from now on:
    // set before a new log is shown.
    void SetAugmented(AugmentedShape shape);
    // Where in a shown row the rule stands: the position of the blank
    // before the right half's first entry; -1 for a row without one.
    int RulePosition(const QString& row) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    AugmentedShape augmented_;
};

}  // namespace korvane
