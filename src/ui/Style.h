#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

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

// Loads the fonts embedded in the program; call once after the application exists.
void LoadEmbeddedFonts();

void SetTextColour(QWidget* w, const QColor& colour);
void SetBackground(QWidget* w, const QColor& colour);

}  // namespace vex::ui
