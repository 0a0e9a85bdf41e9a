#pragma once
// The find bar above the parameter page: a search field and the list of its hits. It only shows what the
// main window found and tells it what the user did: the text changed, a hit was chosen (Enter or a
// click), or the bar was closed (Escape).

#include <QWidget>

#include <vector>

#include "core/find/find.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace tessalin::gui {

class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shows the bar with the focus in its field, the text selected.
    void Open();
    QString Text() const;
    // The hits of the current text; the first one becomes current.
    void ShowHits(const std::vector<FindHit>& hits);
    // The current hit (-1 none) and moving it by `step` places, round the list.
    int Current() const;
    void SetCurrent(int index);
    int Step(int step);
    // The texts in the user-interface language.
    void ApplyTexts();

signals:
    void TextChanged(const QString& text);
    void HitChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_ = nullptr;
    QLabel* count_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace tessalin::gui
