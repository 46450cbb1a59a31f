#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace vex::ui {

// A picture control: shows one SVG picture stretched to its box, or nothing.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr) : QWidget(parent) { hide(); }
    void SetPicture(const QString& name);
    const QString& Picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString picture_;
};

// The MIME type a chip carries while it is dragged: its tag, the value as decimal text.
inline constexpr char kChipMimeType[] = "application/x-vex-blackjack-chip";

// A chip of the rack. While draggable, pressing the mouse on it starts a drag at once.
class Chip : public PictureBox {
    Q_OBJECT
  public:
    Chip(const QString& tag, QWidget* parent = nullptr);
    void SetDraggable(bool draggable) { draggable_ = draggable; }
    bool Draggable() const { return draggable_; }
    const QString& Tag() const { return tag_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QString tag_;
    bool draggable_ = true;
};

// Accepts dropped chips and reports their tags: the betting spot and the bet written on it. Only
// a chip of the target's own window that can be dragged right now counts; a drag from another
// program or another copy of the game, text or files are refused, and the pointer shows it.
class ChipDropTarget : public QObject {
    Q_OBJECT
  public:
    explicit ChipDropTarget(QWidget* target);

    // The chip a drag from this source carries, or null when the drop is to be refused.
    const Chip* AcceptedChip(const QObject* source) const;
    // Takes a drop from this source as a drop on the target does; returns whether it counted.
    bool Receive(const QObject* source);

  Q_SIGNALS:
    void ChipDropped(const QString& tag);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* target_;
};

}  // namespace vex::ui
