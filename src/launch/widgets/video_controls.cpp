#include "launch/widgets/video_controls.h"

#include "launch/video_settings.h"
#include "launch/widgets/panel_look.h"
#include "launch/widgets/picture_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace fennick {

namespace {

const QRect kSelectorRect(0, 2, 184, 24);
const QRect kPictureRect(QPoint(192, 2), PanelLook::kRendererSize);

} // namespace

VideoControls::VideoControls(VideoSettings& video, QWidget* parent)
    : QWidget(parent), video_(video) {
    setObjectName(QStringLiteral("videoControls"));
    setFixedSize(kWidth, kHeight);

    selector_ = new QComboBox(this);
    selector_->setObjectName(QStringLiteral("cmbResolution"));
    selector_->setGeometry(kSelectorRect);
    selector_->setEditable(true);
    selector_->setInsertPolicy(QComboBox::NoInsert);
    selector_->setCompleter(nullptr);
    selector_->setToolTip(tr("Screen mode of the game"));
    selector_->lineEdit()->setPlaceholderText(tr("Screen mode"));

    picture_ = new PictureBox(this);
    picture_->setObjectName(QStringLiteral("pic3DMode"));
    picture_->setGeometry(kPictureRect);
    picture_->setToolTip(tr("Renderer: click to switch Quake II between software and OpenGL"));

    connect(&video, &VideoSettings::entriesChanged, this, &VideoControls::showEntries);
    connect(&video, &VideoSettings::selectorTextChanged, this, &VideoControls::showText);
    connect(&video, &VideoSettings::rendererPictureChanged, this, &VideoControls::showPicture);
    connect(selector_, &QComboBox::textActivated, this, [this](const QString& text) {
        if (!syncing_)
            video_.selectorChanged(text);
    });
    connect(selector_->lineEdit(), &QLineEdit::editingFinished, this,
            &VideoControls::selectorEdited);
    connect(picture_, &PictureBox::clicked, &video, &VideoSettings::rendererPictureClicked);

    showEntries();
    showText(video.selectorText());
    showPicture();
}

void VideoControls::showEntries() {
    QScopedValueRollback<bool> guard(syncing_, true);
    selector_->clear();
    selector_->addItems(video_.entries());
    selector_->setEditText(video_.selectorText());
}

void VideoControls::showText(const QString& text) {
    QScopedValueRollback<bool> guard(syncing_, true);
    const int entry = selector_->findText(text, Qt::MatchExactly);
    if (entry >= 0)
        selector_->setCurrentIndex(entry);
    selector_->setEditText(text);
}

// A typed mode counts once the typing is done (Enter or leaving the field),
// and only when it differs from what the selector shows already.
void VideoControls::selectorEdited() {
    if (syncing_)
        return;
    const QString text = selector_->currentText();
    if (text != video_.selectorText())
        video_.selectorChanged(text);
}

void VideoControls::showPicture() {
    const QImage image = PanelLook::rendererImage(video_.rendererPicture());
    picture_->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
}

} // namespace fennick
