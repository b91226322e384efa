#pragma once

#include <QLineEdit>
#include <QStringList>

namespace korvane {

// The expression line: a line edit that keeps the expressions worked out,
// Up and Down going back and forth through them as in a shell (the text
// being typed comes back below the newest); Enter asks for the text to be
// worked out.
class ExpressionLine : public QLineEdit {
    Q_OBJECT

  public:
    explicit ExpressionLine(QWidget* parent = nullptr);

    // Adds text as the newest expression (not twice in a row) and leaves
    // the going through them.
    void Remember(const QString& text);
    const QStringList& Remembered() const { return remembered_; }

  signals:
    void enterPressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Shows the expression at (remembered_.size(): the one being typed).
    void ShowAt(qsizetype at);

    QStringList remembered_;
    qsizetype at_ = 0;
    QString typing_;
};

}  // namespace korvane
