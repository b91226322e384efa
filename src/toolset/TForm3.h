#pragma once

#include <array>

#include <QWidget>

class QListWidget;
class QMainWindow;
class QPushButton;
class QToolBar;

namespace korvane {

// The toolbar-settings dialog: one check mark per toolbar of the main window,
// and a reset that brings all three back into the band as they were at
// start-up. It is not modal and is only ever shown and hidden.
class TForm3 : public QWidget {
    Q_OBJECT
  public:
    static constexpr QSize kClientSize{200, 167};
    static constexpr int kToolbarCount = 3;
    // In their start-up order, left to right in the band: ToolBar3, ToolBar4, ToolBar1.
    using Toolbars = std::array<QToolBar*, kToolbarCount>;

    TForm3(QMainWindow* mainWindow, Toolbars toolbars);

    // Copies each toolbar's own visibility flag into its mark, whether the
    // toolbar is docked or floating and whether the main window is shown.
    void SyncToolbarChecks();

  public slots:
    // Shows the dialog with its marks up to date and brings it to the front.
    void Open();
    void CheckListBox1Click();
    void binitializeClick();
    void OKClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* AddButton(const char* name, const QString& text, QRect place);
    void FillCheckList();

    QMainWindow* mainWindow_;
    Toolbars toolbars_;
    QListWidget* CheckListBox1_;
    bool shownBefore_ = false;
};

}  // namespace korvane
