#include "gui/main_window/info_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "gui/common/image_lists.h"
#include "gui/common/settings.h"
#include "gui/common/ui_texts.h"

namespace tessalin::gui {

namespace {
constexpr int kWidth = 357;
constexpr int kHeight = 306;

QLabel* CentredLabel(const QString& text, QWidget* parent, int pointSize, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}
}  // namespace

TZandorInfoForm::TZandorInfoForm(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog),
      timer1_(new QTimer(this)),
      okButton_(new QPushButton(QString::fromUtf8(splash_texts::Ok), this)) {
    setObjectName("TZandorInfoForm");
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(NamedBitmap("SPLASH"));
    picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(picture);
    layout->addSpacing(8);
    layout->addWidget(CentredLabel(QString::fromUtf8(splash_texts::Subtitle), this, 11, true));
    layout->addWidget(CentredLabel(QString::fromUtf8(splash_texts::Version), this, 10, false));
    layout->addStretch(1);
    layout->addWidget(CentredLabel(QString::fromUtf8(splash_texts::Legal), this, 8, false));
    layout->addWidget(CentredLabel(QString::fromUtf8(splash_texts::Company), this, 9, true));
    okButton_->setObjectName("OKButton");
    okButton_->setVisible(false);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(okButton_, 0, Qt::AlignHCenter);

    timer1_->setObjectName("Timer1");
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, [this] {
        timer1_->stop();
        close();
    });

    // Placed where the main window's bottom-right corner was.
    const SplashSettings settings = ReadSplashSettings();
    move(settings.PosX + settings.SizeX - kWidth, settings.PosY + settings.SizeY - kHeight);
    Ws().UiLanguage = settings.Language1;
    timer1_->setInterval(settings.ShortSplash ? kShortSplashMs : kSplashMs);
}

void TZandorInfoForm::CloseSplash() {
    aboutMode_ = true;
    close();
}

void TZandorInfoForm::ApplyTexts() {
    if (Ws().UiLanguage > 1) Ws().UiLanguage = 0;
    setWindowTitle(Pick(texts::AboutCaption));
    okButton_->setText(QString::fromUtf8(splash_texts::Ok));
}

void TZandorInfoForm::showEvent(QShowEvent* event) {
    ApplyTexts();
    if (aboutMode_) {
        if (aboutAnchor_ != nullptr) {
            const QRect frame = aboutAnchor_->frameGeometry();
            move(frame.right() + 1 - width(), frame.bottom() + 1 - height());
        }
        okButton_->setVisible(true);
    } else {
        timer1_->start();
    }
    QDialog::showEvent(event);
}

void TZandorInfoForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) ApplyTexts();
    QDialog::changeEvent(event);
}

bool TZandorInfoForm::CloseAllowed() const { return !timer1_->isActive() && aboutMode_; }

void TZandorInfoForm::closeEvent(QCloseEvent* event) {
    if (CloseAllowed()) {
        event->accept();
    } else {
        event->ignore();
    }
}

// Escape and "OK" end a modal run the same way: only when closing is allowed.
void TZandorInfoForm::reject() {
    if (CloseAllowed()) QDialog::reject();
}

}  // namespace tessalin::gui
