#include "main/MatricesPanel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace korvane {

namespace {

QString SizeText(const CellGrid& matrix) {
    return QStringLiteral("%1×%2").arg(matrix.Rows()).arg(matrix.Cols());
}

// A short button for a command, enabled as the command is; the menu item
// carries the command's full caption.
QPushButton* CommandButton(const char* name, const QString& caption, QAction* command) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);  // the keys of the list do the same
    button->setToolTip(command->toolTip());
    button->setEnabled(command->isEnabled());
    QObject::connect(button, &QPushButton::clicked, command, &QAction::trigger);
    QObject::connect(command, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    return button;
}

}  // namespace

QString MatrixPreview(char name, const CellGrid& matrix) {
    std::vector<int> widths(static_cast<std::size_t>(matrix.Cols()), 1);
    for (int c = 0; c < matrix.Cols(); ++c) {
        for (int r = 0; r < matrix.Rows(); ++r)
            widths[c] = std::max<int>(widths[c], QString::fromStdString(matrix.Cell(c, r)).size());
    }
    QString rows;
    for (int r = 0; r < matrix.Rows(); ++r) {
        rows += QStringLiteral("( ");
        for (int c = 0; c < matrix.Cols(); ++c)
            rows += QString::fromStdString(matrix.Cell(c, r)).leftJustified(widths[c]) + ' ';
        rows += QStringLiteral(")\n");
    }
    return QStringLiteral("<b>%1</b>（%2 行列）<pre>%3</pre>")
        .arg(QString(QLatin1Char(name)), SizeText(matrix), rows.toHtmlEscaped());
}

MatricesPanel::MatricesPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MatricesPanel"));
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("MatrixList"));
    list_->setAccessibleName(QStringLiteral("名前付きの行列"));
    list_->setToolTip(QStringLiteral(
        "名前付きの行列：Enter でグリッドに呼び出し、F2 で名前を変更、Delete で削除します。"));
    list_->installEventFilter(this);
    empty_ =
        new QLabel(QStringLiteral("グリッドの行列に Ctrl+M で名前を付けると、ここに並びます。"));
    empty_->setObjectName(QStringLiteral("MatricesEmpty"));
    empty_->setWordWrap(true);

    auto* title = new QLabel(QStringLiteral("名前付きの行列(&L)"));
    title->setObjectName(QStringLiteral("MatricesLabel"));
    title->setBuddy(list_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 0, 5);
    layout->setSpacing(4);
    layout->addWidget(title);
    layout->addWidget(list_, 1);
    layout->addWidget(empty_);
}

QSize MatricesPanel::sizeHint() const {
    return {minimumSizeHint().width(), QWidget::sizeHint().height()};
}

void MatricesPanel::UseCommands(const Commands& commands) {
    commands_ = commands;
    const std::tuple<const char*, QString, QAction*> buttons[] = {
        {"StoreMatrixButton", QStringLiteral("記憶..."), commands.store},
        {"RecallMatrixButton", QStringLiteral("呼び出す"), commands.recall},
        {"RenameMatrixButton", QStringLiteral("名前..."), commands.rename},
        {"DeleteMatrixButton", QStringLiteral("削除"), commands.remove},
    };
    auto* column = static_cast<QVBoxLayout*>(layout());
    for (const auto& [name, caption, command] : buttons)
        column->addWidget(CommandButton(name, caption, command));
}

void MatricesPanel::Show(const Workspace& workspace) {
    const char chosen = Chosen();
    list_->clear();
    for (const char name : workspace.Names()) {
        const CellGrid& matrix = *workspace.Find(name);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1　%2").arg(QString(QLatin1Char(name)), SizeText(matrix)));
        item->setData(Qt::UserRole, QChar(QLatin1Char(name)));
        item->setToolTip(MatrixPreview(name, matrix));
        list_->addItem(item);
    }
    empty_->setVisible(workspace.Empty());
    Choose(chosen);
    if (list_->currentRow() < 0 && list_->count() > 0) list_->setCurrentRow(0);
}

void MatricesPanel::Choose(char name) {
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(Qt::UserRole).toChar() == QLatin1Char(name))
            list_->setCurrentRow(row);
    }
}

char MatricesPanel::Chosen() const {
    const QListWidgetItem* item = list_->currentItem();
    return item == nullptr ? '\0' : item->data(Qt::UserRole).toChar().toLatin1();
}

bool MatricesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress && commands_.store != nullptr) {
        QAction* command = nullptr;
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                command = commands_.recall;
                break;
            case Qt::Key_F2:
                command = commands_.rename;
                break;
            case Qt::Key_Delete:
                command = commands_.remove;
                break;
            case Qt::Key_Insert:
                command = commands_.store;
                break;
            default:
                break;
        }
        if (command != nullptr) {
            if (command->isEnabled()) command->trigger();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvane
