#pragma once

#include <QHash>
#include <QWidget>

#include "core/engine/RowOperation.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace korvane {

// The practice panel: the three elementary row operations, each written as
// the sentence it stands for with its row choosers and factor box, applied
// by its button or by Enter in any of its boxes; towards the determinant the
// factor each step puts in front of det; then 「確認」, 「ヒント」 and how
// far the practice has come. Every control is reached by Tab, and each line
// by its access key.
class PracticePanel : public QWidget {
    Q_OBJECT

  public:
    explicit PracticePanel(QWidget* parent = nullptr);

    // The row choosers count 1..rows.
    void SetRows(int rows);
    // Fills in op (a hint's operation) and puts the focus on its button, so
    // that Enter does it.
    void Prefill(const RowOperation& op);
    void ShowProgress(const QString& text);
    // The line of the determinant's factor, shown for that goal only.
    void ShowDeterminantFactor(bool shown);
    // The factor typed for the next step, as typed (empty for none).
    QString DeterminantFactor() const;
    // Empties the factor's box for the next step.
    void ClearDeterminantFactor();
    // The control that takes the focus when the panel opens.
    QWidget* FirstControl() const;

  signals:
    // Rows count from 0; a factor is its text as typed.
    void swapRequested(int a, int b);
    void scaleRequested(int row, const QString& factor);
    void addRequested(int target, int source, const QString& factor);
    void checkRequested();
    void hintRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSpinBox* RowChooser(const char* name, const QString& meaning);
    QLineEdit* FactorBox(const char* name, const QString& meaning);
    QPushButton* Button(const char* name, const QString& caption);
    // Enter in any of boxes clicks button.
    void EnterClicks(std::initializer_list<QWidget*> boxes, QPushButton* button);

    QSpinBox* swapA_;
    QSpinBox* swapB_;
    QSpinBox* scaleRow_;
    QLineEdit* scaleFactor_;
    QSpinBox* addTarget_;
    QSpinBox* addSource_;
    QLineEdit* addFactor_;
    QLineEdit* detFactor_;
    QLabel* detLabel_;
    QWidget* detLine_;
    QPushButton* swap_;
    QPushButton* scale_;
    QPushButton* add_;
    QLabel* progress_;
    QHash<QObject*, QPushButton*> enterClicks_;  // a box and the button Enter in it clicks
};

}  // namespace korvane
