// The practice panel reads as the row operations' own sentences, so that a
// student fills in the blanks of 「2行目に1行目の-3倍を足す」.
#include "main/PracticePanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/CellGrid.h"

namespace korvane {

namespace {

constexpr int kRowChooserWidth = 44;
constexpr int kFactorWidth = 72;

QLabel* Words(const QString& text) {
    return new QLabel(text);
}

// One operation's sentence: its words and boxes in a line, left-aligned.
QHBoxLayout* Sentence(std::initializer_list<QWidget*> parts) {
    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    for (QWidget* part : parts)
        line->addWidget(part);
    line->addStretch(1);
    return line;
}

}  // namespace

PracticePanel::PracticePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PracticePanel"));
    swapA_ = RowChooser("PracticeSwapFirst", QStringLiteral("入れ換える行の一方"));
    swapB_ = RowChooser("PracticeSwapSecond", QStringLiteral("入れ換える行のもう一方"));
    scaleRow_ = RowChooser("PracticeScaleRow", QStringLiteral("定数倍する行"));
    scaleFactor_ = FactorBox("PracticeScaleFactor", QStringLiteral("何倍するか"));
    addTarget_ = RowChooser("PracticeAddTarget", QStringLiteral("足される行"));
    addSource_ = RowChooser("PracticeAddSource", QStringLiteral("足す行"));
    addFactor_ = FactorBox("PracticeAddFactor", QStringLiteral("足す行を何倍するか"));
    swap_ = Button("PracticeSwap", QStringLiteral("入れ換える"));
    scale_ = Button("PracticeScale", QStringLiteral("定数倍する"));
    add_ = Button("PracticeAdd", QStringLiteral("足す"));
    auto* check = Button("PracticeCheck", QStringLiteral("確認(&K)"));
    auto* hint = Button("PracticeHint", QStringLiteral("ヒント(&T)"));
    check->setToolTip(
        QStringLiteral("確認：グリッドに入力した行列が、前の行列からの正しい一歩か調べます。"));
    hint->setToolTip(QStringLiteral("ヒント：自動で計算するときの次の行基本変形を示します。"));
    progress_ = new QLabel;
    progress_->setObjectName(QStringLiteral("PracticeProgress"));

    auto* swapLabel = Words(QStringLiteral("入れ換え(&W)"));
    auto* scaleLabel = Words(QStringLiteral("定数倍(&M)"));
    auto* addLabel = Words(QStringLiteral("行に足す(&A)"));
    swapLabel->setBuddy(swapA_);
    scaleLabel->setBuddy(scaleRow_);
    addLabel->setBuddy(addTarget_);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(swapLabel, 0, 0);
    grid->addLayout(Sentence({swapA_, Words(QStringLiteral("行目と")), swapB_,
                              Words(QStringLiteral("行目を入れ換える"))}),
                    0, 1);
    grid->addWidget(swap_, 0, 2);
    grid->addWidget(scaleLabel, 1, 0);
    grid->addLayout(Sentence({scaleRow_, Words(QStringLiteral("行目を")), scaleFactor_,
                              Words(QStringLiteral("倍する"))}),
                    1, 1);
    grid->addWidget(scale_, 1, 2);
    grid->addWidget(addLabel, 2, 0);
    grid->addLayout(
        Sentence({addTarget_, Words(QStringLiteral("行目に")), addSource_,
                  Words(QStringLiteral("行目の")), addFactor_, Words(QStringLiteral("倍を足す"))}),
        2, 1);
    grid->addWidget(add_, 2, 2);
    grid->addLayout(Sentence({check, hint, progress_}), 3, 0, 1, 3);
    // The buttons stand right after the longest sentence, the room left over
    // beyond them.
    grid->setColumnStretch(3, 1);

    EnterClicks({swapA_, swapB_}, swap_);
    EnterClicks({scaleRow_, scaleFactor_}, scale_);
    EnterClicks({addTarget_, addSource_, addFactor_}, add_);
    connect(swap_, &QPushButton::clicked, this,
            [this] { emit swapRequested(swapA_->value() - 1, swapB_->value() - 1); });
    connect(scale_, &QPushButton::clicked, this,
            [this] { emit scaleRequested(scaleRow_->value() - 1, scaleFactor_->text()); });
    connect(add_, &QPushButton::clicked, this, [this] {
        emit addRequested(addTarget_->value() - 1, addSource_->value() - 1, addFactor_->text());
    });
    connect(check, &QPushButton::clicked, this, &PracticePanel::checkRequested);
    connect(hint, &QPushButton::clicked, this, &PracticePanel::hintRequested);
    swapB_->setValue(2);
    addSource_->setValue(1);
    addTarget_->setValue(2);
}

QSpinBox* PracticePanel::RowChooser(const char* name, const QString& meaning) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(meaning);
    box->setRange(1, CellGrid::kMaxSize);  // SetRows narrows it
    box->setFixedWidth(kRowChooserWidth);
    return box;
}

QLineEdit* PracticePanel::FactorBox(const char* name, const QString& meaning) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(meaning);
    // A hint that reads as no value, the example where it cannot be taken
    // for one.
    box->setPlaceholderText(QStringLiteral("数を入力"));
    box->setToolTip(meaning + QStringLiteral("：数を入力します（例：-1/2、3、2+i）。"));
    box->setAccessibleDescription(box->toolTip());
    box->setFixedWidth(kFactorWidth);
    return box;
}

QPushButton* PracticePanel::Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);  // Enter on the button presses it, as in a dialog
    return button;
}

void PracticePanel::EnterClicks(std::initializer_list<QWidget*> boxes, QPushButton* button) {
    for (QWidget* box : boxes) {
        box->installEventFilter(this);
        enterClicks_.insert(box, button);
    }
}

bool PracticePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QPushButton* button = enterClicks_.value(watched);
        if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (auto* spin = qobject_cast<QSpinBox*>(watched)) spin->interpretText();
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PracticePanel::SetRows(int rows) {
    for (QSpinBox* box : {swapA_, swapB_, scaleRow_, addTarget_, addSource_})
        box->setRange(1, rows);
}

void PracticePanel::Prefill(const RowOperation& op) {
    const QString factor = QString::fromStdString(CpxText(op.factor));
    switch (op.kind) {
        case RowOperation::Kind::kSwap:
            swapA_->setValue(op.target + 1);
            swapB_->setValue(op.source + 1);
            swap_->setFocus();
            break;
        case RowOperation::Kind::kScale:
            scaleRow_->setValue(op.target + 1);
            scaleFactor_->setText(factor);
            scale_->setFocus();
            break;
        case RowOperation::Kind::kAdd:
            addTarget_->setValue(op.target + 1);
            addSource_->setValue(op.source + 1);
            addFactor_->setText(factor);
            add_->setFocus();
            break;
    }
}

void PracticePanel::ShowProgress(const QString& text) {
    progress_->setText(text);
    progress_->setAccessibleName(text);
}

QWidget* PracticePanel::FirstControl() const {
    return swapA_;
}

}  // namespace korvane
