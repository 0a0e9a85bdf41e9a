#pragma once
// TParamTreeview: a tree whose items are item markup, painted with DrawMarkup, and whose anchors are
// parameters edited in place. Clicking an anchor, or pressing Enter on the selected item, opens the
// editor its class names (MENU, LIST, TOGGLE, EDIT, MASK, SPIN, DATE, TIME, DIR, QUERY, CUSTOM, or a
// plain click); the delivered value is written back into the item's markup and OnParamChanged tells the
// owner which parameter changed from which value to which. Left and Right move between the anchors of
// the selected item; with AdvanceOnReturn, Enter in an editor opens the next parameter's editor.

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <functional>

#include "gui/widgets/par_html.h"

class QMenu;

namespace tessalin {

class TPopupEdit;
class TPopupMaskEdit;
class TPopupSpinEdit;
class TPopupListBox;
class TPopupDatePicker;

class TParamTreeview : public QTreeWidget {
    Q_OBJECT
public:
    explicit TParamTreeview(QWidget* parent = nullptr);
    ~TParamTreeview() override;

    // ---- items: the markup of an item is its text; the platform sees its plain text
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& markup);
    static QString Markup(const QTreeWidgetItem* item);
    static void SetMarkup(QTreeWidgetItem* item, const QString& markup);

    // ---- properties
    bool AdvanceOnReturn = false;
    bool EditAutoSize = false;
    QString EmptyParam = "?";
    bool Hover = true;
    QColor HoverColor{0x00, 0x80, 0x00};
    QColor HoverFontColor{0xFF, 0xFF, 0xFF};
    int LineSpacing = 0;
    QColor SelectionColor;      // system highlight unless set
    QColor SelectionFontColor;  // system highlight text unless set
    bool ShowSelection = false;
    QColor ParamColor{0x00, 0x80, 0x00};
    bool ParamHint = false;
    QColor ShadowColor{0x80, 0x80, 0x80};
    int ShadowOffset = 1;
    bool ShowFocusBorder = true;
    bool WordWrap = true;
    bool ParamListSorted = false;
    static QString Version() { return "1.3.0.0"; }

    void SetHTMLImages(const MarkupImageList* images);
    const MarkupImageList* HTMLImages() const { return images_; }
    void SetItemHeight(int height);
    int ItemHeight() const { return itemHeight_; }

    // ---- events (owner's handlers; unassigned ones are skipped)
    using ValueEvent = std::function<void(QTreeWidgetItem*, const QString& href, QString& value)>;
    using ListEvent = std::function<void(QTreeWidgetItem*, const QString& href, QStringList& values, bool& doPopup)>;
    using SelectEvent = std::function<void(QTreeWidgetItem*, const QString& href, const QString& value)>;
    ValueEvent OnParamPrepare, OnParamEditStart, OnParamClick, OnParamQuery, OnParamEditDone;
    ListEvent OnParamPopup, OnParamList;
    SelectEvent OnParamSelect, OnParamEnter, OnParamExit;
    std::function<void(QTreeWidgetItem*, const QString& href, const QString& oldValue, const QString& newValue)>
        OnParamChanged;
    std::function<void(QTreeWidgetItem*, const QString& href, QString& hint, bool& show)> OnParamHint;
    std::function<void(QTreeWidgetItem*, const QString& href, const QString& value, const QString& props,
                       const QRect& editRect)>
        OnParamCustomEdit;
    // The folder dialog of DIR anchors (title, start folder, screen position); empty when cancelled.
    std::function<QString(QWidget*, const QString& title, const QString& start, const QPoint& at)> ChooseDirectory;

    // ---- state and operations
    bool Editing() const { return editing_; }
    int FocusedAnchor() const { return focusAnchor_; }
    // Opens the editor of anchor `href` in `item` (selecting the item), as a click on it would.
    bool OpenParam(QTreeWidgetItem* item, const QString& href);
    // The commit path: writes a delivered value into the selected item and reports a change.
    void DeliverValue(const QString& href, const QString& value);
    // The rectangle of the anchor numbered `anchor` (0-based) of an item, in viewport coordinates.
    QRect AnchorRect(QTreeWidgetItem* item, int anchor);

    void BeginUpdate();
    void EndUpdate();

    // The editors, for the owner's styling and for tests.
    QMenu* PopupMenu() const { return menu_; }
    TPopupEdit* EditEditor() const { return edit_; }
    TPopupMaskEdit* MaskEditor() const { return mask_; }
    TPopupSpinEdit* SpinEditor() const { return spin_; }
    TPopupListBox* ListEditor() const { return list_; }
    TPopupDatePicker* DateEditor() const { return date_; }

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    friend class ParamItemDelegate;

    struct Hit {
        MarkupDrawResult result;
        QRect itemRect;  // where the item's markup is laid out
    };
    // Lays the item out as painting does and hit-tests the point (viewport coordinates), or the
    // focused anchor in keyboard mode.
    Hit HitItem(QTreeWidgetItem* item, const QPoint& point, bool keyboard, int focus) const;
    QRect MarkupRect(QTreeWidgetItem* item) const;
    MarkupDrawOptions DrawOptions() const;
    void OpenEditor(QTreeWidgetItem* item, const QString& href, const QRect& anchorRect);
    void CommitMenuValue(const QString& href, const QString& caption);
    void ReturnPressedInEditor();
    void EditorClosed();
    void SetHover(QTreeWidgetItem* item, const QString& href, int anchor, const QRect& rect);

    const MarkupImageList* images_ = nullptr;
    int itemHeight_ = 16;
    bool editing_ = false;
    int focusAnchor_ = 0;
    QString editHref_;
    QPointer<QWidget> openEditor_;

    QTreeWidgetItem* hoverItem_ = nullptr;
    int hoverAnchor_ = -1;
    QRect hoverRect_;
    QString hoverHref_;
    QPoint mouse_{-1, -1};
    bool mouseDown_ = false;
    QRect pressedControl_;
    int updateCount_ = 0;

    QMenu* menu_ = nullptr;
    TPopupEdit* edit_ = nullptr;
    TPopupMaskEdit* mask_ = nullptr;
    TPopupSpinEdit* spin_ = nullptr;
    TPopupListBox* list_ = nullptr;
    TPopupDatePicker* date_ = nullptr;
};

}  // namespace tessalin
