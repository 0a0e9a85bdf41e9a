#pragma once
// TZandorForm: the main window. Menus, tool bar, the device tree beside the four hidden-tab pages,
// the status bar, the user settings, the two languages and the 100 ms action timer through which
// all deferred work runs: a requested load or tree rebuild, the "Speichern" state and the caption,
// then a requested page rebuild or page clear.

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "core/check/finding.h"
#include "core/find/find.h"
#include "core/history/history.h"
#include "core/main_window/action_timer.h"
#include "gui/widgets/par_html.h"

#include "gui/common/prompter.h"
#include "gui/common/settings.h"
#include "gui/main_window/data_set_stamp.h"
#include "gui/page/param_page_frame.h"

class QAction;
class QActionGroup;
class QKeyEvent;
class QLabel;
class QMenu;
class QSplitter;
class QTabWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessalin {
class Comparison;
class TParamTreeview;
struct CommandResult;
struct SaveContext;
}  // namespace tessalin

namespace tessalin::gui {

class CheckPanel;
class ComparisonPanel;
class FindBar;
class FormPage;
struct DocumentationContext;

class TCardForm;
class TChildForm;
class TKonfiguratorForm;
class TLoadForm;
class TZandorInfoForm;

class TZandorForm : public QMainWindow, private ActionTimerSteps {
    Q_OBJECT
public:
    // Action requests of the timer.
    static constexpr int kNoAction = tessalin::kNoAction;
    static constexpr int kLoadRequest = tessalin::kLoadRequest;
    static constexpr int kTreeRequest = tessalin::kTreeRequest;
    static constexpr int kTimerMs = 100;

    // Pages of MainPageControl.
    static constexpr int kPageDescription = 0;
    static constexpr int kPageParameter = 1;
    static constexpr int kPageGrafik = 2;
    static constexpr int kPagePrint = 3;

    // `arguments` are the command-line arguments after the program name: a FRONT file and
    // optionally a Purgon file, loaded on the first timer tick.
    TZandorForm(Prompter& prompter, TZandorInfoForm& infoForm, const QStringList& arguments,
                QWidget* parent = nullptr);
    ~TZandorForm() override;

    TChildForm& ChildForm() const { return *childForm_; }
    TLoadForm& LoadForm() const { return *loadForm_; }
    TCardForm& CardForm() const { return *cardForm_; }
    const ParamPageFrame& Page() const { return page_; }
    FormPage& ParamPage() const { return *formPage_; }

    int ActionRequest() const { return actionRequest_; }
    void SetActionRequest(int request) { actionRequest_ = request; }
    // Names a data set for the next timer tick to load (command line, dropped files).
    void RequestLoad(const QString& front, const QString& purgon);

    // The file dialogs of the main window as the language switch has set them.
    const FileDialogSpec& SaveDialog() const { return saveDialog_; }
    const FileDialogSpec& SaveDialogU() const { return saveDialogU_; }
    const FileDialogSpec& ExportPDFDialog() const { return exportPdfDialog_; }
    // The folder the PDF export dialog starts in next time (kept as the setting "ExportPath").
    void SetExportPath(const QString& dir) { exportPdfDialog_.InitialDir = dir; }

    // Expert switch "su": no save question.
    bool ExpertMode() const { return su_; }
    QString CardDrive() const;
    int HWConfY() const { return hwConfY_; }
    void SetHWConfY(int height) { hwConfY_ = height; }

    // Puts the recent files of the workspace into the four items: the separator shows, each item
    // shows its entry's file names, carries the entry as its hint and is visible when it is not empty.
    void ShowRecentFiles();

    // Asked before anything replaces the data set: false when the user cancels.
    bool QuerySaveChanges();
    // Caption "Tessalin 3000", then " - " and the file names, and " *" while the data set is changed.
    void UpdateCaption();
    // Shows a hint in status panel 1 after one blank; a file path (as the recent items carry) clears it.
    void ApplicationHint(const QString& hint);
    // The set selector and the page header show picture 25 (set A) or 26 (set B).
    void ShowParamSetImage(int index);

public slots:
    void AktionsTimerTimer();
    void SpracheVtrClick(QAction* item);

    void Neu1Click();
    void Datei_OpenClick();
    void Datei_SaveClick();
    void Datei_SaveAsClick();
    void Speicherkarte1Click();
    void Vergleichen1Click();
    void EndComparison();
    void RecentFileClick(int index);
    void Drucken1Click();
    void ExportPDFClick();
    void ExportExcel1Click();
    void Gertebeschreibung1Click();
    void Gertekonfigurationndern1Click();
    void MorvaneHomepage1Click();
    void BedienungsanleitungClick();
    void InfoberZandor1Click();
    void ExpandTreeClick();
    void BankButtonClick();

    // "Bearbeiten": take back the last change, bring it again; find a parameter, the next and the
    // previous hit.
    void UndoClick();
    void RedoClick();
    void FindClick();
    void FindNextClick();
    void FindPreviousClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void CreateEditMenu();
    void CreateToolBar();
    void CreateCentre();
    void ReadSettings();
    void WriteSettings();
    void Relabel();
    // Scrolls the parameter page by whole wheel notches; false when the pointer is over the tree.
    bool HandleWheel(QWheelEvent* wheel);

    // Keyboard: the command shortcuts and F6; Tab from the tree to the page's first control and
    // Shift+Tab back (true when the key was taken).
    void SetUpKeyboard();
    void UseLegibleTreeSelection();
    QWidget* FirstPageControl() const;
    void SwitchPane();
    bool HandleFocusKey(QObject* watched, QKeyEvent* key);
    // Commands that need a device ("Speichern unter...", printing, exports, the set selector) are
    // offered only while there is one.
    void ShowCommandStates();

    // The steps of the action timer's tick (ActionTimerTick decides when each runs).
    void LoadRequestedDataSet() override;
    bool SaveEnabled() const override;
    void ShowSaveState(bool enabled) override;
    void BuildPage() override;
    void ClearPage() override;
    void ShowRangeError(const std::string& text) override;

    // Loads the data set and shows the outcome: the new data set, or the message naming the refused file
    // and why. A recent entry (recentIndex >= 0) whose file is gone is offered for removal from the list.
    void LoadFiles(const QString& front, const QString& purgon, int recentIndex = -1);
    // After a successful load: empty page, recent files, caption, description page, tree.
    void ShowLoadedDataSet();
    // The main window's side of a data-set command: its message, the recent files and the caption.
    void ShowCommandResult(const CommandResult& result);
    SaveContext CurrentSaveContext() const;
    void FilesDropped(const QStringList& paths);

    // The device tree: full rebuild from the device, the view filled from the tree's nodes, and a
    // selection forwarded to the tree, whose answer decides the page shown. A range error while building
    // is shown to the user; the data set stays as it is.
    void RebuildDeviceTree() override;
    void RebuildDeviceTreeKeepingSelection() override;
    void RebuildDeviceTreeKeepingPath();
    // Runs a rebuild of the tree model and fills the view from it.
    void ShowRebuiltTree(void (*rebuild)(), bool keepExpanded = false);
    // keepExpanded: after a partial rebuild the branches the user had opened stay open.
    void FillDeviceTree(bool keepExpanded = false);
    // The item of a node and, below it, of its children.
    void AddNode(int node, QTreeWidgetItem* item) const;
    QTreeWidgetItem* TreeItemOf(int node) const;
    // Every item's text again (the difference counts changed).
    void ShowNodeTexts();
    // The selected node took a new title from a text row of its page.
    void ShowRenamedNode();
    void DeviceTreeSelected(QTreeWidgetItem* item);
    void ShowTreeTab();

    // Comparing with a second data set: after every tick the differences are worked out again when the
    // loaded data set or the language changed, and shown in the panel, on the tree's nodes (a count) and on
    // the shown page's rows (the other value as tooltip).
    void RefreshComparison();
    // A dialog is open (a sub-page, the configurator, a message): nothing beside the page is worked out
    // again meanwhile, since a page commit may be waiting for the user's answer.
    bool InDialog() const;
    void ShowComparison();
    void MarkShownPage();
    // The text of a node's tree item: its own markup, and the number of differences at it while comparing.
    QString NodeItemText(int node) const;
    void ShowDifferenceNode(int node, char set);

    // Checking the data set: the panel beside the page lists the findings, a chosen one shows its node,
    // set and row, "Alle reparieren" repairs them as one change; the shown page marks its rows with
    // findings. Opening a data set with findings says so in the status bar.
    void DatensatzPruefen1Click();
    void ShowCheckFindings();
    void ShowFindingPlace(const QString& node, char set, int row);
    void RepairAllFindings();
    void CloseCheck();
    void ReportLoadedFindings();
    // While the panel is open, the findings follow every change of the data set.
    void RefreshCheckFindings();
    // Row number → mark text of the shown page's rows with findings.
    std::map<int, QString> FindingMarks() const;
    // The edit history: the items and buttons name the steps they would take back or bring again, and are
    // disabled without one. After an undo or redo the tree, the set and the page follow the image; the
    // focus goes to the row of the change once its page is built.
    void ShowEditStates();
    void MoveInHistory(std::optional<HistoryMove> (EditHistory::*move)());
    void ShowHistoryMove(const HistoryMove& move);
    // Finding: the hits of the find bar's text, and going to one of them (its node, then its row).
    void RunFind();
    // While the bar holds a text, its hits follow every change of the data set; the current hit stays.
    void RefreshFindHits();
    void GoToHit(int index);
    // The page was built: the row waiting for the focus takes it.
    void FocusPendingRow();

    // Work that the page, description, configurator and documentation modules carry out.
    void ShowTerminalPlan();
    void ShowDeviceDescription();
    void RunConfigurator();
    // The description page's tree and the configurator window, made when first needed.
    TParamTreeview* DescriptionTree();
    TKonfiguratorForm& KonfiguratorForm();
    // What printing and the exports need of the main window; with "su" the table is shown on "Print".
    DocumentationContext DocumentationCommandContext();

    Prompter& prompter_;
    TZandorInfoForm& infoForm_;

    QAction* Neu1_ = nullptr;
    QAction* Undo_ = nullptr;
    QAction* Redo_ = nullptr;
    QToolButton* UndoButton_ = nullptr;
    QToolButton* RedoButton_ = nullptr;
    FindBar* findBar_ = nullptr;
    std::vector<FindHit> findHits_;
    DataSetStamp findStamp_;
    // The row of a find hit, a chosen finding or an undone step, focused once its page is built.
    int pendingFocusRow_ = -1;
    QAction* Datei_Save_ = nullptr;
    QAction* N5_ = nullptr;
    std::array<QAction*, 4> recentItems_{};
    QActionGroup* languages_ = nullptr;
    QToolButton* SaveButton_ = nullptr;
    QToolButton* BankButton_ = nullptr;
    QTreeWidget* DeviceTree_ = nullptr;
    ComparisonPanel* comparisonPanel_ = nullptr;
    CheckPanel* checkPanel_ = nullptr;
    std::vector<check::Finding> findings_;
    DataSetStamp checkStamp_;
    QAction* Vergleichen1_ = nullptr;
    QAction* VergleichBeenden1_ = nullptr;
    QAction* BefundeDokumentieren1_ = nullptr;  // the documentation ends with the check's findings
    std::unique_ptr<MarkupImageList> HTMLImageList_;
    QSplitter* MainSplitter_ = nullptr;
    QTabWidget* MainPageControl_ = nullptr;
    ParamPageFrame page_;
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QTimer* AktionsTimer_ = nullptr;
    // One tick of the action timer as soon as control returns to the event loop (a load named on the
    // command line, the page of a chosen node); starting it again while it waits changes nothing.
    QTimer* TickSoon_ = nullptr;

    TChildForm* childForm_ = nullptr;
    FormPage* formPage_ = nullptr;
    TLoadForm* loadForm_ = nullptr;
    TCardForm* cardForm_ = nullptr;
    TLoadForm* compareForm_ = nullptr;
    std::unique_ptr<Comparison> comparison_;
    std::map<int, int> differenceCounts_;

    FileDialogSpec saveDialog_;
    FileDialogSpec saveDialogU_;
    FileDialogSpec exportPdfDialog_;

    int actionRequest_ = kNoAction;
    QString pendingFront_;
    QString pendingPurgon_;
    bool su_ = false;
    int treeX_ = 295;
    int hwConfY_ = 200;
    int wheelRemainder_ = 0;
};

}  // namespace tessalin::gui
