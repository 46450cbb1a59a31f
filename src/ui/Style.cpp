#include "ui/Style.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
#include <cmath>

#include "ui/Art.h"

namespace vex::ui {

namespace {

QString& FamilyOf(Face face) {
    static QString families[4] = {QStringLiteral("Liberation Sans"),
                                  QStringLiteral("Liberation Sans"), QStringLiteral("OCRA"),
                                  QStringLiteral("Dancing Script")};
    return families[static_cast<int>(face)];
}

// The first family of a font file that the database now knows.
void Register(const QString& resource, Face face) {
    const int id = QFontDatabase::addApplicationFont(resource);
    if (id < 0) return;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) FamilyOf(face) = families.first();
}

}  // namespace

void LoadEmbeddedFonts() {
    static const bool loaded = [] {
        Register(QStringLiteral(":/fonts/ocr-a.ttf"), Face::OcrA);
        Register(QStringLiteral(":/fonts/handwriting.otf"), Face::Handwriting);
        return true;
    }();
    (void)loaded;
}

QFont GameFont(qreal points, bool bold, Face face) {
    // The check's fonts are loaded when a check is first drawn, not at start-up.
    if (face == Face::OcrA || face == Face::Handwriting) LoadEmbeddedFonts();
    QFont font(FamilyOf(face));
    font.setFamilies(
        {FamilyOf(face), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                 const QFont& font, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(rect);
    l->setFont(font);
    l->setAlignment(align);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& text, QRect rect,
                       const QFont& font) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(rect);
    b->setFont(font);
    b->setCursor(HandCursor());
    return b;
}

QString Signed(double value, int decimals) {
    const QString digits = QString::number(std::abs(value), 'f', decimals);
    if (digits.toDouble() == 0) return digits;
    return (value < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + digits;
}

QString SignedInWords(double value, int decimals) {
    const QString digits = QString::number(std::abs(value), 'f', decimals);
    if (digits.toDouble() == 0) return digits;
    return (value < 0 ? QStringLiteral("minus ") : QStringLiteral("plus ")) + digits;
}

void SetBackground(QWidget* w, const QColor& colour) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

}  // namespace vex::ui
