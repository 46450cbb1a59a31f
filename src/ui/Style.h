#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QWidget>

class QLabel;
class QPushButton;

namespace vex::ui {

inline const QColor kTableGreen(0, 128, 0);
inline const QColor kBankBrown(128, 64, 64);
inline const QColor kCheckCream(255, 224, 192);
inline const QColor kTableText(255, 255, 255);
inline const QColor kPromptColour(255, 255, 128);
inline const QColor kCommentColour(255, 255, 255);
inline const QColor kTotalBackground(0, 96, 0);
inline const QColor kCreditColour(128, 0, 0);
inline const QColor kCreditBackground(255, 250, 235);
inline const QColor kLineColour(214, 190, 96);

// The game's own fonts: the check's machine lettering and handwriting travel inside the program.
enum class Face { Sans, Arial, OcrA, Handwriting };

// A font of the given face at a point size.
QFont GameFont(qreal points, bool bold, Face face = Face::Sans);

// Loads the fonts embedded in the program, once; GameFont does it when a check needs them.
void LoadEmbeddedFonts();

void SetTextColour(QWidget* w, const QColor& colour);

// A plain-text label, word-wrapped, named and placed as the game's layout gives it.
QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                 const QFont& font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
// A push button with the gloved-hand pointer, named and placed likewise.
QPushButton* NewButton(QWidget* parent, const char* name, const QString& text, QRect rect,
                       const QFont& font);
void SetBackground(QWidget* w, const QColor& colour);

// A signed number as the player reads it: "+3.2", "−5.0" (a real minus sign), "0.0"; and the
// same for a screen reader: "plus 3.2", "minus 5.0".
QString Signed(double value, int decimals);
QString SignedInWords(double value, int decimals);

}  // namespace vex::ui
