#include "ui/Pictures.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Art.h"

namespace vex::ui {

void PictureBox::SetPicture(const QString& name) {
    if (name == picture_) return;
    picture_ = name;
    // A box that shows nothing is hidden: the window neither lays it out nor paints it (most of
    // the card slots are empty most of the time, and all of them while the table first shows).
    setVisible(!picture_.isEmpty());
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isEmpty()) return;
    QPainter painter(this);
    painter.drawPixmap(rect(), ArtPixmap(picture_, size(), devicePixelRatioF()));
}

Chip::Chip(const QString& tag, QWidget* parent) : PictureBox(parent), tag_(tag) {
    SetPicture(QStringLiteral("chip") + tag);
    setCursor(HandCursor());
}

void Chip::mousePressEvent(QMouseEvent* event) {
    if (!draggable_ || event->button() != Qt::LeftButton) {
        PictureBox::mousePressEvent(event);
        return;
    }
    auto* mime = new QMimeData;
    mime->setData(kChipMimeType, tag_.toUtf8());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(ArtPixmap(QStringLiteral("drag") + tag_, QSize(32, 32), devicePixelRatioF()));
    drag->setHotSpot(QPoint(16, 16));
    drag->exec(Qt::CopyAction);
}

ChipDropTarget::ChipDropTarget(QWidget* target) : QObject(target), target_(target) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

const Chip* ChipDropTarget::AcceptedChip(const QObject* source) const {
    // A drag from another process has no source here; one from this program must come from a
    // chip of this very window that betting lets the player drag.
    const auto* chip = qobject_cast<const Chip*>(source);
    if (!chip || chip->window() != target_->window() || !chip->Draggable()) return nullptr;
    return chip;
}

bool ChipDropTarget::Receive(const QObject* source) {
    const Chip* chip = AcceptedChip(source);
    if (!chip) return false;
    Q_EMIT ChipDropped(chip->Tag());
    return true;
}

bool ChipDropTarget::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasFormat(kChipMimeType) && AcceptedChip(drag->source())) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!drop->mimeData()->hasFormat(kChipMimeType) || !AcceptedChip(drop->source())) {
                drop->ignore();
                return true;
            }
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            Receive(drop->source());
            return true;
        }
        default:
            return false;
    }
}

}  // namespace vex::ui
