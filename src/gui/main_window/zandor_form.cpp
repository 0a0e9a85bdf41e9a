#include "gui/main_window/zandor_form.h"

#include "gui/page/form_page.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "core/compare/comparison.h"
#include "core/data_set/drop.h"
#include "core/data_set/image_checks.h"
#include "core/data_set/load_messages.h"
#include "core/data_set/recent_files.h"
#include "core/device/load_data_set.h"
#include "core/history/history.h"
#include "core/main_window/save_decisions.h"
#include "core/page/formpage.h"
#include "core/workspace.h"
#include "gui/common/image_lists.h"
#include "gui/common/toolkit_language.h"
#include "gui/common/ui_texts.h"
#include "gui/check/check_panel.h"
#include "gui/compare/comparison_panel.h"
#include "gui/main_window/card_form.h"
#include "gui/main_window/find_bar.h"
#include "gui/main_window/info_form.h"
#include "gui/main_window/load_form.h"
#include "gui/page/child_form.h"
#include "gui/widgets/markup_delegate.h"

namespace tessalin::gui {

namespace {

constexpr const char* kHomepageUrl = "https://www.morvane.com/";
constexpr const char* kManualUrl = "https://www.morvane.com/vantris/manual/";

constexpr int kToolButtonWidth = 27;
constexpr int kToolButtonHeight = 26;
constexpr int kStatusPanel0Width = 100;
constexpr int kTreeMinWidth = 150;
constexpr int kTreeIndent = 19;
constexpr int kTreeItemHeight = 18;
constexpr int kPageMinSize = 300;
constexpr int kParamImageSectionWidth = 32;
constexpr int kWheelNotch = 120;
constexpr int kWheelStep = 30;

struct LanguageItem {
    const char* name;
    const char* caption;
};
constexpr LanguageItem kLanguageItems[] = {
    {"DeutschVtr", "Deutsch"},   {"EnglischVtr", "English"}, {"FranzVtr", "Français"},
    {"ItalVtr", "Italiano"},     {"SchwedischVtr", "Svenska"}, {"SpanischVtr", "Español"},
    {"PolnischVtr", "Português"},
};

constexpr const char* kRecentNames[4] = {"N1Dateialt1", "N2Dateialt1", "N3Dateialt1", "N4Dateialt1"};

// A hint that is a file path: a drive path ("C:\…") or an absolute path ("/…").
bool IsFilePathHint(const QString& hint) {
    return hint.startsWith('/') || (hint.size() >= 3 && hint[1] == ':' && hint[2] == '\\');
}

// An edit field takes the keys of "Rückgängig" and "Wiederherstellen" only while it has typing of its own to
// take back or bring again; otherwise they reach the window's items (true: the field does not get them).
bool LeavesUndoKeyToWindow(QObject* watched, QKeyEvent* key, const QWidget* window, const QAction* undo,
                           const QAction* redo) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr || edit->window() != window) return false;
    const QKeySequence pressed(key->keyCombination());
    if (undo->shortcuts().contains(pressed)) return !edit->isUndoAvailable();
    if (redo->shortcuts().contains(pressed)) return !edit->isRedoAvailable();
    return false;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

}  // namespace

TZandorForm::TZandorForm(Prompter& prompter, TZandorInfoForm& infoForm, const QStringList& arguments,
                         QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), infoForm_(infoForm) {
    setObjectName("TZandorForm");
    setWindowIcon(WindowIcon());
    setWindowTitle(QString::fromUtf8(kProductName));

    Workspace& ws = Ws();
    ws.UiLanguage = 0;
    ws.DeviceLanguage = 0;
    ws.FrontFileName.clear();
    ws.PurgonFileName.clear();
    ws.ParImage.clear();
    ws.Device = TDevice{};
    ws.Modified = false;

    CreateMenus();
    CreateToolBar();
    CreateCentre();

    AktionsTimer_ = new QTimer(this);
    AktionsTimer_->setObjectName("AktionsTimer");
    AktionsTimer_->setInterval(kTimerMs);
    connect(AktionsTimer_, &QTimer::timeout, this, &TZandorForm::AktionsTimerTimer);
    TickSoon_ = new QTimer(this);
    TickSoon_->setSingleShot(true);
    TickSoon_->setInterval(0);
    connect(TickSoon_, &QTimer::timeout, this, &TZandorForm::AktionsTimerTimer);

    childForm_ = new TChildForm(this);
    formPage_ = new FormPage(page_, prompter_, *childForm_, this);
    connect(formPage_, &FormPage::TreeChanged, this, [this] { FillDeviceTree(true); });
    connect(formPage_, &FormPage::NodeRenamed, this, &TZandorForm::ShowRenamedNode);
    loadForm_ = new TLoadForm(prompter_, this);
    cardForm_ = new TCardForm(this);
    compareForm_ = new TLoadForm(prompter_, this);
    compareForm_->UseForComparing();

    SetUpKeyboard();
    UseLegibleTreeSelection();
    ReadSettings();
    QList<QAction*> items = languages_->actions();
    const int language = ws.DeviceLanguage >= 0 && ws.DeviceLanguage < items.size() ? ws.DeviceLanguage : 0;
    SpracheVtrClick(items[language]);

    if (!arguments.isEmpty()) RequestLoad(arguments[0], arguments.size() > 1 ? arguments[1] : QString());

    qApp->installEventFilter(this);
    AktionsTimer_->start();
    // A data set named on the command line is loaded as soon as the window is up, not a tick later.
    if (!arguments.isEmpty()) TickSoon_->start();
    infoForm_.SetAboutAnchor(this);
    infoForm_.CloseSplash();
    setAcceptDrops(true);
}

TZandorForm::~TZandorForm() = default;

// ---- construction ----------------------------------------------------------------------------

void TZandorForm::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("ZandorMainMenu");

    QMenu* datei = bar->addMenu("&Datei");
    datei->setObjectName("Datei");
    datei->setToolTipsVisible(true);
    Neu1_ = AddItem(datei, "Neu1", "Neu");
    connect(Neu1_, &QAction::triggered, this, &TZandorForm::Neu1Click);
    connect(AddItem(datei, "Datei_Open", "Öffnen..."), &QAction::triggered, this, &TZandorForm::Datei_OpenClick);
    Datei_Save_ = AddItem(datei, "Datei_Save", "Speichern");
    Datei_Save_->setEnabled(false);  // follows Modified, which starts false
    connect(Datei_Save_, &QAction::triggered, this, &TZandorForm::Datei_SaveClick);
    connect(AddItem(datei, "Datei_SaveAs", "Speichern unter..."), &QAction::triggered, this,
            &TZandorForm::Datei_SaveAsClick);
    connect(AddItem(datei, "Speicherkarte1", "SmartMedia-&Card..."), &QAction::triggered, this,
            &TZandorForm::Speicherkarte1Click);
    datei->addSeparator();
    Vergleichen1_ = AddItem(datei, "Vergleichen1", "Vergleichen mit...");
    connect(Vergleichen1_, &QAction::triggered, this, &TZandorForm::Vergleichen1Click);
    VergleichBeenden1_ = AddItem(datei, "VergleichBeenden1", "Vergleich beenden");
    VergleichBeenden1_->setEnabled(false);
    connect(VergleichBeenden1_, &QAction::triggered, this, &TZandorForm::EndComparison);
    connect(AddItem(datei, "DatensatzPruefen1", "Datensatz prüfen..."), &QAction::triggered, this,
            &TZandorForm::DatensatzPruefen1Click);
    datei->addSeparator();
    connect(AddItem(datei, "Drucken1", "Drucken..."), &QAction::triggered, this, &TZandorForm::Drucken1Click);
    connect(AddItem(datei, "ExportPDF", "Export PDF..."), &QAction::triggered, this, &TZandorForm::ExportPDFClick);
    connect(AddItem(datei, "ExportExcel1", "Export Excel..."), &QAction::triggered, this,
            &TZandorForm::ExportExcel1Click);
    BefundeDokumentieren1_ = AddItem(datei, "BefundeDokumentieren1", "Befunde dokumentieren");
    BefundeDokumentieren1_->setCheckable(true);
    datei->addSeparator();
    connect(AddItem(datei, "Beenden1", "Beenden"), &QAction::triggered, this, &QWidget::close);
    N5_ = datei->addSeparator();
    N5_->setObjectName("N5");
    N5_->setVisible(false);
    for (int i = 0; i < 4; ++i) {
        recentItems_[i] = AddItem(datei, kRecentNames[i], QString());
        recentItems_[i]->setVisible(false);
        connect(recentItems_[i], &QAction::triggered, this, [this, i] { RecentFileClick(i); });
    }

    CreateEditMenu();

    QMenu* konfiguration = bar->addMenu("Konfiguration");
    konfiguration->setObjectName("Konfiguration");
    connect(AddItem(konfiguration, "Gertebeschreibung1", "Gerätebeschreibung"), &QAction::triggered, this,
            &TZandorForm::Gertebeschreibung1Click);
    connect(AddItem(konfiguration, "Gertekonfigurationndern1", "Gerätekonfiguration ändern"), &QAction::triggered,
            this, &TZandorForm::Gertekonfigurationndern1Click);

    QMenu* sprache = bar->addMenu("Sprache");
    sprache->setObjectName("Sprache");
    languages_ = new QActionGroup(this);
    languages_->setExclusive(true);
    for (int tag = 0; tag < static_cast<int>(std::size(kLanguageItems)); ++tag) {
        QAction* item = AddItem(sprache, kLanguageItems[tag].name, QString::fromUtf8(kLanguageItems[tag].caption));
        item->setCheckable(true);
        item->setData(tag);
        languages_->addAction(item);
    }
    connect(languages_, &QActionGroup::triggered, this, &TZandorForm::SpracheVtrClick);

    QMenu* hilfe = bar->addMenu("Hilfe");
    hilfe->setObjectName("Hilfe");
    QAction* homepage = AddItem(hilfe, "MorvaneHomepage1", "Morvane Homepage");
    homepage->setVisible(false);
    connect(homepage, &QAction::triggered, this, &TZandorForm::MorvaneHomepage1Click);
    QAction* manual = AddItem(hilfe, "Bedienungsanleitung1", "interaktive Bedienungsanleitung");
    manual->setVisible(false);
    connect(manual, &QAction::triggered, this, &TZandorForm::BedienungsanleitungClick);
    QAction* separator = hilfe->addSeparator();
    separator->setObjectName("N6");
    separator->setVisible(false);
    connect(AddItem(hilfe, "InfoberZandor1", "Info über Tessalin 3000"), &QAction::triggered, this,
            &TZandorForm::InfoberZandor1Click);
}

void TZandorForm::CreateToolBar() {
    QToolBar* bar = addToolBar("MainToolBar");
    bar->setObjectName("MainToolBar");
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));
    auto button = [this, bar](const char* name, int image, void (TZandorForm::*slot)()) {
        auto* b = new QToolButton(bar);
        b->setObjectName(name);
        b->setIcon(QIcon(BilderEnabled(image)));
        b->setIconSize(QSize(20, 20));
        b->setAutoRaise(true);
        b->setFixedSize(kToolButtonWidth, kToolButtonHeight);
        connect(b, &QToolButton::clicked, this, slot);
        bar->addWidget(b);
        return b;
    };
    button("NewButton", kImageNew, &TZandorForm::Neu1Click);
    button("OpenButton", kImageOpen, &TZandorForm::Datei_OpenClick);
    SaveButton_ = button("SaveButton", kImageSave, &TZandorForm::Datei_SaveClick);
    SaveButton_->setEnabled(false);
    bar->addSeparator();
    UndoButton_ = button("UndoButton", 0, &TZandorForm::UndoClick);
    UndoButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    RedoButton_ = button("RedoButton", 0, &TZandorForm::RedoClick);
    RedoButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    bar->addSeparator();
    button("CardButton", kImageCard, &TZandorForm::Speicherkarte1Click);
    bar->addSeparator();
    button("PrintButton", kImagePrint, &TZandorForm::Drucken1Click);
    button("ToolButton1", kImagePdf, &TZandorForm::ExportPDFClick);
    button("ToolButton2", kImageExcel, &TZandorForm::ExportExcel1Click);
    bar->addSeparator();
    BankButton_ = button("BankButton", kImageParamSetA, &TZandorForm::BankButtonClick);
}

void TZandorForm::CreateCentre() {
    MainSplitter_ = new QSplitter(Qt::Horizontal, this);
    MainSplitter_->setObjectName("MainSplitter");
    MainSplitter_->setChildrenCollapsible(false);

    // The tree, and below it the comparison panel while a comparison is open.
    auto* treeSide = new QSplitter(Qt::Vertical, MainSplitter_);
    treeSide->setObjectName("TreeSplitter");
    treeSide->setChildrenCollapsible(false);
    DeviceTree_ = new QTreeWidget(treeSide);
    DeviceTree_->setObjectName("DeviceTree");
    DeviceTree_->setHeaderHidden(true);
    DeviceTree_->setMinimumWidth(kTreeMinWidth);
    DeviceTree_->setIndentation(kTreeIndent);
    DeviceTree_->setUniformRowHeights(true);
    HTMLImageList_ = std::make_unique<MarkupImageList>(QSize(22, 18));
    for (int index = 0; index <= kLastHtmlImage; ++index) HTMLImageList_->Add(HtmlImage(index));
    auto* delegate = new MarkupItemDelegate(DeviceTree_);
    delegate->SetImageList(HTMLImageList_.get());
    delegate->SetMinimumItemHeight(kTreeItemHeight);
    DeviceTree_->setItemDelegate(delegate);
    connect(DeviceTree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { DeviceTreeSelected(item); });
    DeviceTree_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* popup = new QMenu(DeviceTree_);
    popup->setObjectName("TreePopupMenu");
    QAction* expand = AddItem(popup, "ExpandTree", "Expand");
    connect(expand, &QAction::triggered, this, &TZandorForm::ExpandTreeClick);
    connect(DeviceTree_, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->popup(DeviceTree_->viewport()->mapToGlobal(at)); });

    // The find bar above the pages.
    auto* pageSide = new QWidget(MainSplitter_);
    pageSide->setObjectName("PageSide");
    auto* pageLayout = new QVBoxLayout(pageSide);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    findBar_ = new FindBar(pageSide);
    connect(findBar_, &FindBar::TextChanged, this, [this] { RunFind(); });
    connect(findBar_, &FindBar::HitChosen, this, &TZandorForm::GoToHit);
    MainPageControl_ = new QTabWidget(pageSide);
    MainPageControl_->setObjectName("MainPageControl");
    MainPageControl_->setMinimumSize(kPageMinSize, kPageMinSize);
    MainPageControl_->tabBar()->hide();
    MainPageControl_->setDocumentMode(true);
    struct PageName {
        const char* name;
        const char* caption;
    };
    constexpr PageName pages[] = {{"HWConfTabSheet", "Gerätebeschreibung"},
                                  {"ParameterTabSheet", "Parameter"},
                                  {"GrafikTabSheet", "Grafik"},
                                  {"PrintTabSheet", "Print"}};
    for (const PageName& p : pages) {
        auto* sheet = new QWidget;
        sheet->setObjectName(p.name);
        MainPageControl_->addTab(sheet, QString::fromUtf8(p.caption));
    }
    page_ = MakeParamPageFrame(MainPageControl_->widget(kPageParameter), kParamImageSectionWidth);

    comparisonPanel_ = new ComparisonPanel(treeSide);
    comparisonPanel_->hide();
    connect(comparisonPanel_, &ComparisonPanel::NodeChosen, this, &TZandorForm::ShowDifferenceNode);
    connect(comparisonPanel_, &ComparisonPanel::CloseRequested, this, &TZandorForm::EndComparison);
    treeSide->addWidget(DeviceTree_);
    treeSide->addWidget(comparisonPanel_);
    treeSide->setStretchFactor(0, 3);
    treeSide->setStretchFactor(1, 2);

    pageLayout->addWidget(findBar_);
    pageLayout->addWidget(MainPageControl_, 1);
    MainSplitter_->addWidget(treeSide);
    MainSplitter_->addWidget(pageSide);
    checkPanel_ = new CheckPanel(MainSplitter_);
    checkPanel_->hide();
    connect(checkPanel_, &CheckPanel::FindingChosen, this, &TZandorForm::ShowFindingPlace);
    connect(checkPanel_, &CheckPanel::RepairAllRequested, this, &TZandorForm::RepairAllFindings);
    connect(checkPanel_, &CheckPanel::CloseRequested, this, &TZandorForm::CloseCheck);
    MainSplitter_->addWidget(checkPanel_);
    MainSplitter_->setStretchFactor(1, 1);
    setCentralWidget(MainSplitter_);

    QStatusBar* status = statusBar();
    status->setObjectName("StatusBar");
    statusPanel0_ = new QLabel(status);
    statusPanel0_->setObjectName("StatusPanel0");
    statusPanel0_->setFixedWidth(kStatusPanel0Width);
    statusPanel0_->setAlignment(Qt::AlignCenter);
    statusPanel1_ = new QLabel(status);
    statusPanel1_->setObjectName("StatusPanel1");
    status->addWidget(statusPanel0_);
    status->addWidget(statusPanel1_, 1);
}

// ---- settings --------------------------------------------------------------------------------

void TZandorForm::ReadSettings() {
    const MainSettings s = ReadMainSettings();
    move(s.PosX, s.PosY);
    resize(s.SizeX, s.SizeY);
    treeX_ = s.TreeX;
    MainSplitter_->setSizes({s.TreeX, std::max(s.SizeX - s.TreeX, kPageMinSize)});
    hwConfY_ = s.HWConfY;
    Ws().DeviceLanguage = s.Language2;
    cardForm_->SetCardDrive(s.CardDrive);
    exportPdfDialog_.InitialDir = s.ExportPath;
    su_ = s.su;
    for (std::size_t i = 0; i < s.Files.size(); ++i) Ws().RecentFiles[i] = s.Files[i].toStdString();
    ShowRecentFiles();
}

void TZandorForm::WriteSettings() {
    MainSettings s;
    s.PosX = pos().x();
    s.PosY = pos().y();
    s.SizeX = width();
    s.SizeY = height();
    const QList<int> sizes = MainSplitter_->sizes();
    s.TreeX = isVisible() && !sizes.isEmpty() && sizes[0] > 0 ? sizes[0] : treeX_;
    s.HWConfY = hwConfY_;
    s.Language2 = Ws().DeviceLanguage;
    s.CardDrive = cardForm_->CardDrive();
    for (std::size_t i = 0; i < s.Files.size(); ++i) s.Files[i] = QString::fromStdString(Ws().RecentFiles[i]);
    s.ExportPath = exportPdfDialog_.InitialDir;
    WriteMainSettings(s);
    WriteOpenDir(loadForm_->OpenFrontDialog().InitialDir);
}

// ---- recent files, caption, hints --------------------------------------------------------------

void TZandorForm::ShowRecentFiles() {
    N5_->setVisible(true);
    for (std::size_t i = 0; i < recentItems_.size(); ++i) {
        const std::string& entry = Ws().RecentFiles[i];
        recentItems_[i]->setStatusTip(QString::fromStdString(entry));
        recentItems_[i]->setToolTip(QString::fromStdString(entry));  // the caption shows file names only
        // A "&" in a file name is shown as it is, not taken as a shortcut mark.
        recentItems_[i]->setText(QString::fromStdString(RecentCaption(entry)).replace('&', "&&"));
        recentItems_[i]->setVisible(!entry.empty());
    }
}

void TZandorForm::UpdateCaption() { setWindowTitle(QString::fromStdString(CaptionText())); }

void TZandorForm::ApplicationHint(const QString& hint) {
    statusPanel1_->setText(IsFilePathHint(hint) ? QString() : " " + hint);
}

void TZandorForm::ShowParamSetImage(int index) {
    BankButton_->setIcon(QIcon(BilderEnabled(index)));
    page_.SetHeaderImage(index);
}


// ---- languages -------------------------------------------------------------------------------

void TZandorForm::SpracheVtrClick(QAction* item) {
    item->setChecked(true);
    const int tag = item->data().toInt();
    SelectLanguage(tag);
    QString name = item->text();
    if (const int amp = static_cast<int>(name.indexOf('&')); amp >= 0) name.remove(amp, 1);
    statusPanel0_->setText(name);
    UseToolkitLanguage(Ws().UiLanguage);
    Relabel();
    ShowDeviceDescription();
    RebuildDeviceTreeKeepingPath();
}

void TZandorForm::Relabel() {
    for (int r = 0; r < kMainCaptionCount; ++r) {
        const CaptionRow& row = kMainCaptions[r];
        const bool hasCaption = row.caption.de != nullptr;
        const bool hasHint = row.hint.de != nullptr;
        const QString caption = hasCaption ? Pick(row.caption) : QString();
        const QString hint = hasHint ? Pick(row.hint) : QString();
        for (const QString& name : QString::fromUtf8(row.names).split(',')) {
            QObject* target = findChild<QObject*>(name);
            if (auto* action = qobject_cast<QAction*>(target)) {
                if (hasCaption) action->setText(caption);
                if (hasHint) action->setStatusTip(hint);
            } else if (auto* menu = qobject_cast<QMenu*>(target)) {
                if (hasCaption) menu->setTitle(caption);
            } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
                if (hasCaption) button->setText(caption);
                if (hasHint) {
                    button->setToolTip(hint);
                    button->setStatusTip(hint);
                }
            } else if (auto* sheet = qobject_cast<QWidget*>(target); sheet != nullptr && hasCaption) {
                const int index = MainPageControl_->indexOf(sheet);
                if (index >= 0) MainPageControl_->setTabText(index, caption);
            }
        }
    }
    comparisonPanel_->ApplyTexts();
    checkPanel_->ApplyTexts();
    findBar_->ApplyTexts();
    ShowEditStates();
    // The web items stay hidden until the texts are set.
    for (const char* name : {"MorvaneHomepage1", "Bedienungsanleitung1", "N6"}) findChild<QAction*>(name)->setVisible(true);

    saveDialog_.Title = Pick(DataSetText::SaveTitle);
    saveDialog_.Filter = Pick(DataSetText::SaveFilter);
    saveDialogU_.Title = Pick(DataSetText::SavePurgonTitle);
    saveDialogU_.Filter = Pick(DataSetText::SavePurgonFilter);
    exportPdfDialog_.Title = Pick(texts::ExportPdfTitle);
    exportPdfDialog_.Filter = Pick(texts::ExportPdfFilter);
    for (FileDialogSpec* dialogSpec : {&saveDialog_, &saveDialogU_}) dialogSpec->DefaultExt = "par";
    exportPdfDialog_.DefaultExt = "pdf";
}

// ---- action timer ----------------------------------------------------------------------------

void TZandorForm::AktionsTimerTimer() {
    ActionTimerTick(actionRequest_, *this);
    RefreshComparison();
    RefreshCheckFindings();
    RefreshFindHits();
    ShowEditStates();
}

bool TZandorForm::InDialog() const {
    return formPage_->SubPage() != nullptr || QApplication::activeModalWidget() != nullptr;
}

bool TZandorForm::SaveEnabled() const { return Datei_Save_->isEnabled(); }

void TZandorForm::ShowSaveState(bool enabled) {
    Datei_Save_->setEnabled(enabled);
    SaveButton_->setEnabled(enabled);
    UpdateCaption();
}

void TZandorForm::BuildPage() {
    formPage_->Shown().Rebuild();
    MarkShownPage();
    FocusPendingRow();
}

void TZandorForm::ClearPage() { formPage_->Shown().Clear(); }

void TZandorForm::ShowRangeError(const std::string& text) {
    prompter_.Message(this, QString::fromUtf8(kProductName), QString::fromStdString(text), MessageIcon::Error,
                      MessageButtons::Ok);
}

void TZandorForm::RequestLoad(const QString& front, const QString& purgon) {
    pendingFront_ = front;
    pendingPurgon_ = purgon;
    actionRequest_ = kLoadRequest;
}

void TZandorForm::LoadRequestedDataSet() {
    if (!QuerySaveChanges()) return;
    loadForm_->SetFiles(pendingFront_, pendingPurgon_);
    LoadFiles(pendingFront_, pendingPurgon_);
}

void TZandorForm::LoadFiles(const QString& front, const QString& purgon, int recentIndex) {
    // The page's controls show the image that is about to be replaced.
    ClearPageBeforeLoad(*this);
    CommandResult result;
    result.load = LoadDataSet(front.toStdString(), purgon.toStdString());
    ShowParamSetImage(kImageParamSetA);
    if (result.load.ok()) {
        ShowLoadedDataSet();
        return;
    }
    // The data set stays as it was: its page comes back on the next tick.
    Ws().PageRebuildRequest = true;
    result.outcome = CommandOutcome::LoadRefused;
    if (recentIndex >= 0 && OffersToForgetRecentEntry(result.load)) {
        const QString question = QString::fromStdString(ForgetRecentEntryQuestion(result.load, Ws().UiLanguage));
        if (prompter_.Message(this, QString::fromUtf8(kProductName), question, MessageIcon::Question,
                              MessageButtons::YesNo) == MessageAnswer::Yes) {
            RemoveRecentEntry(Ws().RecentFiles, static_cast<std::size_t>(recentIndex));
        }
        ShowRecentFiles();
        return;
    }
    ShowCommandResult(result);
}

void TZandorForm::ShowLoadedDataSet() {
    History().Clear();
    ShowRecentFiles();
    UpdateCaption();
    Gertebeschreibung1Click();
    RebuildDeviceTree();
    ReportLoadedFindings();
}

void TZandorForm::FilesDropped(const QStringList& paths) {
    std::vector<std::string> files;
    for (const QString& path : paths) files.push_back(path.toStdString());
    if (const std::optional<DataSetPaths> set = DataSetFromDroppedFiles(files)) {
        RequestLoad(QString::fromStdString(set->front), QString::fromStdString(set->purgon));
    }
}

// ---- commands --------------------------------------------------------------------------------

void TZandorForm::Datei_OpenClick() {
    if (!QuerySaveChanges()) return;
    if (prompter_.Exec(*loadForm_) != QDialog::Accepted) return;
    LoadFiles(loadForm_->FrontFile(), loadForm_->PurgonFile());
}

void TZandorForm::RecentFileClick(int index) {
    if (!QuerySaveChanges()) return;
    const DataSetPaths paths = SplitRecentEntry(Ws().RecentFiles.at(static_cast<std::size_t>(index)));
    const QString front = QString::fromStdString(paths.front);
    const QString purgon = QString::fromStdString(paths.purgon);
    loadForm_->SetFiles(front, purgon);
    LoadFiles(front, purgon, index);
}

void TZandorForm::Neu1Click() {
    if (!QuerySaveChanges()) return;
    ClearPageBeforeLoad(*this);
    History().Record(StepLabel(texts::StepNew), [] { NewDataSet(); });
    UpdateCaption();
    ShowParamSetImage(kImageParamSetA);
    RebuildDeviceTree();
    MainPageControl_->setCurrentIndex(kPageDescription);
}

void TZandorForm::BankButtonClick() { ShowParamSetImage(SwitchParamSet()); }


void TZandorForm::Gertebeschreibung1Click() {
    MainPageControl_->setCurrentIndex(kPageDescription);
    ShowDeviceDescription();
}

void TZandorForm::Gertekonfigurationndern1Click() {
    Gertebeschreibung1Click();
    RunConfigurator();
}

void TZandorForm::MorvaneHomepage1Click() { QDesktopServices::openUrl(QUrl(kHomepageUrl)); }

void TZandorForm::BedienungsanleitungClick() { QDesktopServices::openUrl(QUrl(kManualUrl)); }

void TZandorForm::InfoberZandor1Click() {
    infoForm_.CloseSplash();
    if (!infoForm_.isVisible()) prompter_.Exec(infoForm_);
}

void TZandorForm::ExpandTreeClick() {
    if (QTreeWidgetItem* item = DeviceTree_->currentItem()) DeviceTree_->expandRecursively(DeviceTree_->indexFromItem(item));
}

// ---- events ----------------------------------------------------------------------------------

bool TZandorForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ApplicationHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TZandorForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && HandleFocusKey(watched, static_cast<QKeyEvent*>(event))) return true;
    if (event->type() == QEvent::ShortcutOverride &&
        LeavesUndoKeyToWindow(watched, static_cast<QKeyEvent*>(event), this, Undo_, Redo_))
        return true;
    if (event->type() == QEvent::Wheel && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        return HandleWheel(static_cast<QWheelEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TZandorForm::HandleWheel(QWheelEvent* wheel) {
    const QPoint at = wheel->globalPosition().toPoint();
    const auto over = [at](const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).contains(at); };
    // The parameter page scrolls as a whole, also over its fields and lists; on every other tab the
    // wheel is left to what lies under the pointer (the documentation grid scrolls itself).
    if (over(MainPageControl_)) {
        if (MainPageControl_->currentIndex() != kPageParameter) return false;
        wheelRemainder_ += wheel->angleDelta().y();
        QScrollBar* bar = page_.ScrollBox1->verticalScrollBar();
        for (; wheelRemainder_ <= -kWheelNotch; wheelRemainder_ += kWheelNotch) bar->setValue(bar->value() + kWheelStep);
        for (; wheelRemainder_ >= kWheelNotch; wheelRemainder_ -= kWheelNotch) {
            bar->setValue(bar->value() < kWheelStep + 1 ? 0 : bar->value() - kWheelStep);
        }
        return true;
    }
    return !over(DeviceTree_);
}

void TZandorForm::closeEvent(QCloseEvent* event) {
    if (!QuerySaveChanges()) {
        event->ignore();
        return;
    }
    setAcceptDrops(false);
    AktionsTimer_->stop();
    WriteSettings();
    formPage_->Clear();
    event->accept();
}

void TZandorForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TZandorForm::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    FilesDropped(paths);
}

}  // namespace tessalin::gui
