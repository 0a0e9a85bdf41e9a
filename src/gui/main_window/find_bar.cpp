#include "gui/main_window/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/common/ui_texts.h"

namespace tessalin::gui {

namespace {
constexpr int kListRows = 6;
// The field keeps to the left, so that the count beside it stays in view on a narrow page.
constexpr int kFieldMaxWidth = 320;
}  // namespace

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName("FindBar");
    field_ = new QLineEdit(this);
    field_->setObjectName("FindField");
    field_->setClearButtonEnabled(true);
    count_ = new QLabel(this);
    count_->setObjectName("FindCount");
    list_ = new QListWidget(this);
    list_->setObjectName("FindHits");
    list_->setFixedHeight(list_->fontMetrics().height() * kListRows + 2 * list_->frameWidth() + 4);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    field_->setMaximumWidth(kFieldMaxWidth);
    top->addWidget(field_, 1);
    top->addWidget(count_);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(list_);

    connect(field_, &QLineEdit::textChanged, this, &FindBar::TextChanged);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit HitChosen(list_->row(item)); });
    field_->installEventFilter(this);
    list_->installEventFilter(this);
    ApplyTexts();
    hide();
}

void FindBar::Open() {
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

QString FindBar::Text() const { return field_->text(); }

void FindBar::ShowHits(const std::vector<FindHit>& hits) {
    list_->clear();
    for (const FindHit& hit : hits) list_->addItem(QString::fromStdString(hit.text()));
    if (!hits.empty()) list_->setCurrentRow(0);
    count_->setText(field_->text().trimmed().isEmpty() ? QString() : Pick(texts::FindCount).arg(hits.size()));
}

int FindBar::Current() const { return list_->currentRow(); }

void FindBar::SetCurrent(int index) {
    list_->setCurrentRow(index);
    if (QListWidgetItem* item = list_->item(index)) list_->scrollToItem(item);
}

int FindBar::Step(int step) {
    const int count = list_->count();
    if (count == 0) return -1;
    const int from = Current() >= 0 ? Current() : (step > 0 ? -1 : 0);
    SetCurrent(((from + step) % count + count) % count);
    return Current();
}

void FindBar::ApplyTexts() {
    field_->setPlaceholderText(Pick(texts::FindPlaceholder));
    count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance(Pick(texts::FindCount).arg(9999)));
    if (!field_->text().trimmed().isEmpty()) count_->setText(Pick(texts::FindCount).arg(list_->count()));
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (Current() >= 0) emit HitChosen(Current());
            return true;
        case Qt::Key_Escape:
            hide();
            return true;
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (watched != field_) break;
            Step(key->key() == Qt::Key_Down ? 1 : -1);
            return true;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tessalin::gui
