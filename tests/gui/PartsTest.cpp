// The window's parts on their own: the Qt dialogs, the log pane's StepLog
// and the grid model.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "GuiTestKit.h"
#include "main/CellGridModel.h"
#include "main/PaneStepLog.h"
#include "main/QtDialogs.h"

namespace korvane::test {

namespace {

QStringList ButtonTexts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) {
        texts << button->text();
    }
    return texts;
}

QAbstractButton* ButtonWithText(QWidget* dialog, const QString& text) {
    for (auto* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace

class PartsTest : public QObject {
    Q_OBJECT

  private slots:
    void inputBoxOkAndCancel_data();
    void inputBoxOkAndCancel();
    void messageBox();
    void confirmation_data();
    void confirmation();
    void errorBox();
    void fileDialogs_data();
    void fileDialogs();
    void fileDialogColumnsFit();
    void fileDialogsSpeakJapanese_data();
    void fileDialogsSpeakJapanese();
    void paneLogUpdates();
    void modelFollowsGrid();

  private:
    QWidget parent_;
    QtDialogs dialogs_{&parent_};
};

void PartsTest::inputBoxOkAndCancel_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<bool>("untouched");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    const QString half = QStringLiteral("1/2");
    QTest::newRow("ok") << true << half << false << QStringLiteral("2+3i")
                        << QStringLiteral("2+3i");
    QTest::newRow("ok, emptied") << true << half << false << QString() << QString();
    QTest::newRow("cancel gives the default")
        << false << half << false << QStringLiteral("9") << QStringLiteral("1/2");
    QTest::newRow("at most 255") << true << half << false << QString(300, QLatin1Char('7'))
                                 << QString(255, QLatin1Char('7'));
    // A computed cell longer than what can be typed comes back whole.
    const QString longCell = QString(300, QLatin1Char('7')) + QStringLiteral("/3+i");
    const QString hugeCell = QString(40000, QLatin1Char('9')) + QStringLiteral("i/7");
    QTest::newRow("long default, ok") << true << longCell << true << QString() << longCell;
    QTest::newRow("huge default, ok") << true << hugeCell << true << QString() << hugeCell;
    QTest::newRow("huge default, cancel") << false << hugeCell << true << QString() << hugeCell;
}

void PartsTest::inputBoxOkAndCancel() {
    QFETCH(bool, ok);
    QFETCH(QString, defaultText);
    QFETCH(bool, untouched);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QString title, prompt, selected, okText, cancelText;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        QVERIFY(dialog);
        auto* edit = dialog->findChild<QLineEdit*>();
        title = dialog->windowTitle();
        prompt = dialog->labelText();
        selected = edit->selectedText();
        okText = dialog->okButtonText();
        cancelText = dialog->cancelButtonText();
        if (!untouched) {
            edit->clear();
            QTest::keyClicks(edit, typed);
        }
        ButtonWithText(dialog, ok ? okText : cancelText)->click();
    });
    const std::string answer =
        dialogs_.InputBox("成分の入力", "何を入力しますか？", defaultText.toStdString());
    QCOMPARE(QString::fromStdString(answer), result);
    QCOMPARE(title, QStringLiteral("成分の入力"));
    QCOMPARE(prompt, QStringLiteral("何を入力しますか？"));
    QCOMPARE(selected, defaultText);
    QCOMPARE(okText, QStringLiteral("OK"));
    QCOMPARE(cancelText, QStringLiteral("キャンセル"));
}

void PartsTest::messageBox() {
    QString title, text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::Critical;
    WhenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        text = box->text();
        buttons = ButtonTexts(*box);
        icon = box->icon();
        box->buttons().constFirst()->click();
    });
    dialogs_.ShowMessage("これ以上は戻せません。");
    QCOMPARE(title, QStringLiteral("Korvane"));
    QCOMPARE(text, QStringLiteral("これ以上は戻せません。"));
    QCOMPARE(buttons, QStringList{"OK"});
    QCOMPARE(icon, QMessageBox::NoIcon);
}

void PartsTest::confirmation_data() {
    QTest::addColumn<int>("answer");  // 0 yes, 1 no, 2 Esc
    QTest::addColumn<bool>("result");
    QTest::newRow("yes") << 0 << true;
    QTest::newRow("no") << 1 << false;
    QTest::newRow("escape is no") << 2 << false;
}

void PartsTest::confirmation() {
    QFETCH(int, answer);
    QFETCH(bool, result);
    QString title, text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        text = box->text();
        buttons = ButtonTexts(*box);
        buttons.sort();
        icon = box->icon();
        if (answer == 2) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            ButtonWithText(box,
                           answer == 0 ? QStringLiteral("はい(&Y)") : QStringLiteral("いいえ(&N)"))
                ->click();
        }
    });
    QCOMPARE(dialogs_.Confirm("ファイルが既に存在します。\r上書きして宜しいでしょうか？"), result);
    QCOMPARE(title, QStringLiteral("確認"));
    QCOMPARE(text, QStringLiteral("ファイルが既に存在します。\n上書きして宜しいでしょうか？"));
    QCOMPARE(buttons, (QStringList{"いいえ(&N)", "はい(&Y)"}));
    QCOMPARE(icon, QMessageBox::Question);
}

void PartsTest::errorBox() {
    QString title, text;
    QStringList buttons;
    WhenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        text = box->text();
        buttons = ButtonTexts(*box);
        box->buttons().constFirst()->click();
    });
    QtDialogs::ShowError(&parent_, QStringLiteral("ゼロによる除算"));
    QCOMPARE(title, QStringLiteral("Korvane"));
    QCOMPARE(text, QStringLiteral("ゼロによる除算"));
    QCOMPARE(buttons, QStringList{"OK"});
}

void PartsTest::fileDialogs_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("typed");  // empty: cancel
    QTest::addColumn<QString>("chosen");
    QTest::newRow("open adds kvm") << false << "a"
                                   << "a.kvm";
    QTest::newRow("open a missing file") << false << "missing.kvm"
                                         << "missing.kvm";
    QTest::newRow("save adds kvm") << true << "b"
                                   << "b.kvm";
    QTest::newRow("save keeps an extension") << true << "c.txt"
                                             << "c.txt";
    QTest::newRow("cancel") << true << ""
                            << "";
}

void PartsTest::fileDialogs() {
    QFETCH(bool, save);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QTemporaryDir folder;
    QString filter;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        filter = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
        dialog->setDirectory(folder.path());
        if (typed.isEmpty()) {
            dialog->reject();
            return;
        }
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(typed);
        static_cast<QDialog*>(dialog)->accept();  // as the accept button does
    });
    const std::optional<std::string> path =
        save ? dialogs_.SaveFileName() : dialogs_.OpenFileName();
    QCOMPARE(filter, QStringLiteral("Korvaneの行列データ[*.kvm]"));
    if (chosen.isEmpty()) {
        QVERIFY(!path);
        return;
    }
    QVERIFY(path);
    QCOMPARE(QString::fromStdString(*path), folder.filePath(chosen));
}

void PartsTest::fileDialogColumnsFit() {
    QTemporaryDir folder;
    QFile(folder.filePath(QString(120, QLatin1Char('m')) + QStringLiteral(".kvm")))
        .open(QIODevice::WriteOnly);
    bool fits = false;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        dialog->setDirectory(folder.path());
        auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        QAbstractItemView* view = tree;  // where the size hint is public
        const auto fitting = [tree, view] {
            if (view->model()->rowCount(view->rootIndex()) == 0) return false;
            for (int column = 0; column < tree->header()->count(); ++column) {
                if (tree->columnWidth(column) < view->sizeHintForColumn(column)) return false;
            }
            return true;
        };
        fits = QTest::qWaitFor(fitting, 5000);
        dialog->reject();
    });
    dialogs_.OpenFileName();
    QVERIFY(fits);
}

void PartsTest::fileDialogsSpeakJapanese_data() {
    QTest::addColumn<int>("dialog");  // 0 open, 1 save, 2 the log's export
    QTest::newRow("open") << 0;
    QTest::newRow("save") << 1;
    QTest::newRow("export") << 2;
}

// Every access key shown works (a label gives it to its buddy), and the file
// list says what each entry is and when it changed in Japanese, whatever
// the system's locale.
void PartsTest::fileDialogsSpeakJapanese() {
    QFETCH(int, dialog);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    QStringList unlinked, types, dates;
    QString focusedByAltI;
    WhenModalShows([&](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        files->setDirectory(folder.path());
        for (QLabel* label : files->findChildren<QLabel*>()) {
            if (label->text().contains('&') && label->buddy() == nullptr) unlinked << label->text();
        }
        files->activateWindow();
        if (QTest::qWaitForWindowActive(files)) {
            QTest::keyClick(files, Qt::Key_I, Qt::AltModifier);
            if (const QWidget* focused = QApplication::focusWidget())
                focusedByAltI = focused->objectName();
        }
        auto* tree = files->findChild<QTreeView*>(QStringLiteral("treeView"));
        QAbstractItemModel* list = tree->model();
        if (!QTest::qWaitFor([&] { return list->rowCount(tree->rootIndex()) > 0; }, 5000)) {
            files->reject();
            return;
        }
        const QModelIndex sub = list->index(0, 0, tree->rootIndex());
        types << sub.siblingAtColumn(2).data().toString();
        dates << sub.siblingAtColumn(3).data().toString();
        files->reject();
    });
    if (dialog == 0) dialogs_.OpenFileName();
    if (dialog == 1) dialogs_.SaveFileName();
    if (dialog == 2) dialogs_.ExportFileName();
    QCOMPARE(unlinked, QStringList());
    QCOMPARE(focusedByAltI, QStringLiteral("lookInCombo"));
    QCOMPARE(types, QStringList{QStringLiteral("フォルダー")});
    QCOMPARE(
        dates,
        QStringList{QLocale(QLocale::Japanese)
                        .toString(QFileInfo(folder.filePath(QStringLiteral("sub"))).lastModified(),
                                  QLocale::ShortFormat)});
}

void PartsTest::paneLogUpdates() {
    QPlainTextEdit pane;
    LogStore store;
    PaneStepLog log(pane, store);
    QSignalSpy changes(&pane, &QPlainTextEdit::textChanged);

    store.AppendStepLog("一行目");  // appended to an empty pane: no blank line first
    log.Flush();
    QCOMPARE(pane.toPlainText(), QStringLiteral("一行目"));
    store.AppendStepLog("二行目");
    store.AppendStepLog("");
    log.Flush();
    QCOMPARE(pane.toPlainText(), QStringLiteral("一行目\n二行目\n"));

    changes.clear();
    store.ClearStepLog();
    store.AppendStepLog("a");
    store.ClearStepLog();
    store.AppendStepLog("  ( 1 0 )");
    store.AppendStepLog("  ( 0 1 )");
    QCOMPARE(changes.count(), 0);  // nothing reaches the pane before Flush
    log.Flush();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(pane.toPlainText(), QStringLiteral("  ( 1 0 )\n  ( 0 1 )"));

    store.ClearStepLog();
    log.Flush();
    QCOMPARE(pane.toPlainText(), QString());
    changes.clear();
    log.Flush();  // nothing new: the pane is left alone, typed text too
    QCOMPARE(changes.count(), 0);

    // A line longer than the pane takes is cut, and says so.
    store.AppendStepLog(std::string(PaneStepLog::kLineBytes + 5, '7'));
    log.Finish();
    QCOMPARE(pane.toPlainText(),
             QString(static_cast<qsizetype>(PaneStepLog::kLineBytes), '7') +
                 QStringLiteral("……（この行の残り 5 バイトは表示していません）"));
}

void PartsTest::modelFollowsGrid() {
    CellGridModel model;
    QTableView view;
    view.setModel(&model);
    CellGrid grid;
    model.Sync(grid);
    view.setCurrentIndex(model.index(1, 1));
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

    grid.SetCell(9, 9, "outside");
    grid.SetRows(5);
    grid.SetCols(2);
    model.Sync(grid);
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(view.currentIndex(), model.index(1, 1));  // the current cell stays
    QCOMPARE(resets.count(), 0);
    QCOMPARE(changes.count(), 1);  // the hidden cell changed

    changes.clear();
    model.Sync(grid);
    QCOMPARE(changes.count(), 0);  // nothing changed, nothing told

    grid.SetRows(10);
    grid.SetCols(10);
    grid.SetCell(1, 0, "2+3i");
    model.Sync(grid);
    QCOMPARE(model.data(model.index(9, 9), Qt::DisplayRole).toString(), QStringLiteral("outside"));
    QCOMPARE(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("2+3i"));
    // An edit in place goes to the window, which changes the grid; the model
    // shows it at the next Sync.
    QSignalSpy typed(&model, &CellGridModel::cellTyped);
    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    QVERIFY(model.setData(model.index(2, 1), QStringLiteral("7"), Qt::EditRole));
    QCOMPARE(typed.count(), 1);
    QCOMPARE(typed.at(0), (QVariantList{1, 2, QStringLiteral("7")}));
    QCOMPARE(model.data(model.index(2, 1), Qt::DisplayRole).toString(), QStringLiteral("0"));
}

}  // namespace korvane::test

QTEST_MAIN(korvane::test::PartsTest)
#include "PartsTest.moc"
