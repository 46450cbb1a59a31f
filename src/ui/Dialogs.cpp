#include "ui/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "ui/Art.h"
#include "ui/MainWindow.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/Version.h"

namespace vex::ui {

namespace {

void SetupWindow(QWidget* w, const char* name, const QString& title, QSize client,
                 const QColor& background) {
    w->setObjectName(QLatin1String(name));
    w->setWindowTitle(title);
    w->setFixedSize(client);
    SetBackground(w, background);
}

// A plain line or outline drawn on a window.
class Shape : public QWidget {
  public:
    Shape(QWidget* parent, const char* name, QRect rect, QColor colour, bool outline)
        : QWidget(parent), colour_(colour), outline_(outline) {
        setObjectName(QLatin1String(name));
        setGeometry(rect);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (outline_) {
            p.setPen(QPen(colour_, 1));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        } else {
            p.fillRect(rect(), colour_);
        }
    }

  private:
    QColor colour_;
    bool outline_;
};

void AddLine(QWidget* parent, const char* name, QPoint from, QPoint to, QColor colour) {
    const QRect rect = QRect(from, to).normalized();
    new Shape(parent, name,
              QRect(rect.left(), rect.top(), std::max(1, rect.width()), std::max(1, rect.height())),
              colour, false);
}

QString FromModel(const std::string& text) {
    return QString::fromStdString(text);
}

// An option button of the rules: its whole box takes the click, not only its dot and caption.
class OptionButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

PictureBox* AddIcon(QWidget* parent, const char* name, QPoint at) {
    auto* icon = new PictureBox(parent);
    icon->setObjectName(QLatin1String(name));
    icon->setGeometry(QRect(at, QSize(32, 32)));
    icon->SetPicture(QStringLiteral("icon"));
    return icon;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
BankWindow::BankWindow(MainWindow& main) : QWidget(&main, Qt::Dialog), main_(main) {
    SetupWindow(this, "frmBank", QStringLiteral("Borrow"), {631, 353}, kBankBrown);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* heading = NewLabel(this, "Label10",
                             QStringLiteral("Please enter the amount of your check and sign..."),
                             {104, 24, 401, 33}, GameFont(12, true), Qt::AlignCenter);
    SetTextColour(heading, Qt::white);

    auto* check = new QWidget(this);
    check->setObjectName(QStringLiteral("Check"));
    check->setGeometry(96, 72, 457, 201);
    SetBackground(check, kCheckCream);
    check->lower();

    const QColor ink(40, 40, 40);
    auto on_check = [&](const char* name, const QString& text, QRect rect, const QFont& font,
                        Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
        QLabel* l = NewLabel(this, name, text, rect, font, align);
        SetBackground(l, kCheckCream);
        SetTextColour(l, ink);
        return l;
    };
    on_check("Label7", QStringLiteral("587"), {472, 80, 57, 17}, GameFont(9.75, true, Face::OcrA));
    // In the default 8.25 pt the two lines' ink needs 26 px: the box is 2 px taller than the 25 of
    // the layout, down to just above the payee line.
    on_check("Label1", QStringLiteral("Pay to the order of"), {144, 133, 57, 27},
             GameFont(8.25, false));
    on_check("Label2", QStringLiteral("Monte Cristo Casino"), {208, 143, 177, 17},
             GameFont(9.75, true, Face::Handwriting));
    AddLine(this, "Line1", {144, 160}, {392, 160}, ink);
    on_check("Label3", QStringLiteral("$"), {416, 133, 17, 25}, GameFont(18, true));
    txtBorrow_ = new QLineEdit(this);
    txtBorrow_->setObjectName(QStringLiteral("txtBorrow"));
    txtBorrow_->setGeometry(440, 136, 81, 25);
    txtBorrow_->setFont(GameFont(12, true, Face::Arial));
    txtBorrow_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtBorrow_->setAccessibleName(QStringLiteral("Amount of the check in dollars"));
    // The typed amount reaches the check's model through Run, like every other event.
    connect(txtBorrow_, &QLineEdit::textEdited, this, [this](const QString& text) {
        main_.Run([typed = text.toStdString()](Game& g) { g.frmBank.txtBorrow.Caption = typed; });
    });
    QFont bank_name = GameFont(9.75, true, Face::Arial);
    bank_name.setLetterSpacing(QFont::PercentageSpacing, 94);  // "CREDIT BANK" fits its line
    on_check("Label4", QStringLiteral("LOAN SHARK CREDIT BANK"), {144, 184, 89, 33}, bank_name);
    on_check("Label5", QStringLiteral("Memo"), {144, 224, 33, 17}, GameFont(8.25, false));
    AddLine(this, "Line2", {176, 235}, {280, 235}, ink);
    // 4 px taller than the 12 px of the layout, so the tail of the "y" is not cut off; the writing
    // stays where it was, above the signature line.
    LabelSign_ = on_check("LabelSign", QStringLiteral("Lucky Loser"), {320, 217, 153, 16},
                          GameFont(8.25, false, Face::Handwriting));
    SetTextColour(LabelSign_, QColor(20, 40, 140));
    AddLine(this, "Line3", {312, 235}, {496, 235}, ink);
    on_check("Label6", QStringLiteral(":1542688975:000000845:0587"), {144, 248, 217, 17},
             GameFont(8.25, true, Face::OcrA));

    bnSign_ = NewButton(this, "bnSign", QStringLiteral("Sign"), {264, 304, 113, 33},
                        GameFont(13.5, true));
    connect(bnSign_, &QPushButton::clicked, this, [this] {
        main_.Run([typed = txtBorrow_->text().toStdString()](Game& g) {
            g.frmBank.txtBorrow.Caption = typed;
            g.frmBank_bnSign_Click();
        });
    });

    Timer1_.setParent(this);
    Timer1_.setObjectName(QStringLiteral("Timer1"));
    Timer1_.setTimerType(
        Qt::PreciseTimer);  // the signature shows for 1.5 s, like the table's pauses
    connect(&Timer1_, &QTimer::timeout, this,
            [this] { main_.Run([](Game& g) { g.frmBank_Timer1_Timer(); }); });
    Render();
}

void BankWindow::Render() {
    const BankModel& m = main_.game().frmBank;
    const QString text = FromModel(m.txtBorrow.Caption);
    if (txtBorrow_->text() != text) txtBorrow_->setText(text);
    txtBorrow_->setEnabled(m.txtBorrow.Enabled);
    LabelSign_->setVisible(m.LabelSign.Visible);
    bnSign_->setEnabled(m.bnSign.Enabled);
    SyncTimer(Timer1_, timer_starts_, m.Timer1);
}

void BankWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Timer1_.stop();
    main_.Run([](Game& g) { g.frmBank_Closed(); });
}

// ---------------------------------------------------------------------------------------------
EndWindow::EndWindow(MainWindow& main) : QWidget(nullptr, Qt::Window), main_(main) {
    SetupWindow(this, "frmEnd", QStringLiteral("Game Over"), {481, 394}, kBankBrown);
    auto* text = NewLabel(
        this, "Label1",
        QStringLiteral("The game is over, my friend...") + QString(32, QLatin1Char(' ')) +
            QStringLiteral("Now, you must pay back what you owe!"),
        {8, 24, 465, 49}, GameFont(14.25, true, Face::Arial), Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(text, Qt::white);
    auto* picture = new PictureBox(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(72, 80, 333, 267);
    picture->SetPicture(QStringLiteral("gameover"));
    picture->setAccessibleName(QStringLiteral("A man in a blue suit aiming a revolver at you"));
    auto* ok =
        NewButton(this, "Command1", QStringLiteral("OK"), {208, 360, 97, 25}, GameFont(9.75, true));
    connect(ok, &QPushButton::clicked, this,
            [this] { main_.Run([](Game& g) { g.frmEnd_Command1_Click(); }); });
}

void EndWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    main_.Run([](Game& g) { g.frmEnd_Closed(); });
}

// ---------------------------------------------------------------------------------------------
RulesWindow::RulesWindow(MainWindow& main) : QWidget(&main, Qt::Dialog), main_(main) {
    SetupWindow(this, "Rules", QStringLiteral("Rules"), {616, 311}, kTableGreen);
    new Shape(this, "Shape1", {152, 8, 305, 65}, Qt::white, true);
    auto* heading = NewLabel(this, "Label1", QStringLiteral("Table Rules"), {176, 24, 257, 33},
                             GameFont(24, true), Qt::AlignCenter);
    SetTextColour(heading, Qt::white);
    AddLine(this, "Line1", {0, 88}, {616, 88}, Qt::white);

    auto frame = [this](const char* name, const QString& title, QRect rect) {
        auto* f = new QGroupBox(title, this);
        f->setObjectName(QLatin1String(name));
        f->setGeometry(rect);
        f->setFont(GameFont(13.5, true));
        SetTextColour(f, Qt::white);
        return f;
    };
    QGroupBox* frame1 = frame("Frame1", QStringLiteral("Table Limits"), {32, 112, 249, 145});
    QGroupBox* frame2 = frame("Frame2", QStringLiteral("Insurance Limits"), {352, 112, 241, 145});

    auto option = [this](QGroupBox* f, const char* name, int index, std::string_view caption,
                         QRect rect, void (Game::*handler)(int)) {
        auto* b = new OptionButton(
            QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), f);
        b->setObjectName(QLatin1String(name));
        b->setProperty("index", index);
        b->setGeometry(rect);
        b->setFont(GameFont(9.75, true));
        // White captions; the dot keeps the style's own colour so it shows on its white circle.
        QPalette p = b->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        p.setColor(QPalette::Text, QApplication::palette().color(QPalette::Text));
        b->setPalette(p);
        connect(b, &QRadioButton::clicked, this,
                [this, handler, index] { main_.Run([&](Game& g) { (g.*handler)(index); }); });
        return b;
    };
    const QRect option1_places[] = {{24, 40, 185, 17}, {24, 72, 193, 17}, {24, 104, 201, 17}};
    for (int i = 0; i < 3; ++i)
        Option1_[i] = option(frame1, "Option1", i, kTableLimits[i].Caption, option1_places[i],
                             &Game::Rules_Option1_Click);
    const QRect option2_places[] = {{32, 40, 185, 17}, {32, 72, 185, 17}};
    for (int i = 0; i < 2; ++i)
        Option2_[i] = option(frame2, "Option2", i, kInsuranceLimits[i], option2_places[i],
                             &Game::Rules_Option2_Click);

    auto* ok =
        NewButton(this, "bnOK", QStringLiteral("OK"), {264, 272, 97, 33}, GameFont(9.75, true));
    connect(ok, &QPushButton::clicked, this,
            [this] { main_.Run([](Game& g) { g.Rules_bnOK_Click(); }); });
    Render();
}

void RulesWindow::Render() {
    const RulesModel& m = main_.game().Rules;
    for (int i = 0; i < 3; ++i) Option1_[i]->setChecked(m.Option1 == i);
    for (int i = 0; i < 2; ++i) Option2_[i]->setChecked(m.Option2 == i);
}

void RulesWindow::closeEvent(QCloseEvent* event) {
    event->accept();  // hidden, not destroyed
    main_.Run([](Game& g) { g.Rules_Closed(); });
}

// ---------------------------------------------------------------------------------------------
HelpWindow::HelpWindow(MainWindow& main) : QWidget(&main, Qt::Dialog), main_(main) {
    SetupWindow(this, "frmHelp", QStringLiteral("How to play BlackJack"), {660, 411}, Qt::white);
    setAttribute(Qt::WA_DeleteOnClose);
    AddIcon(this, "Image1", {24, 16});

    for (int i = 0; i < static_cast<int>(kHelpTopics.size()); ++i) {
        const HelpTopic& topic = kHelpTopics[i];
        const std::string name(topic.Control);
        QLabel* l = NewLabel(
            this, name.c_str(),
            QString::fromUtf8(topic.Caption.data(), static_cast<qsizetype>(topic.Caption.size())),
            {16, topic.Top, topic.Width, 17}, GameFont(9.75, true, Face::Arial));
        l->setWordWrap(false);
        SetTextColour(l, kTableGreen);
        l->setCursor(HandCursor());
        l->setProperty("topic", i);
        l->setFocusPolicy(Qt::StrongFocus);  // Tab reaches the topics; Enter or Space opens one
        l->installEventFilter(this);
    }
    lblRegles_ =
        NewLabel(this, "lblRegles", {}, {232, 80, 385, 137}, GameFont(9.75, false, Face::Arial));
    SetTextColour(lblRegles_, Qt::black);
    lblRegles_->hide();

    auto* ok = NewButton(this, "Command1", QStringLiteral("OK"), {272, 368, 97, 33},
                         GameFont(14.25, true, Face::Arial));
    connect(ok, &QPushButton::clicked, this,
            [this] { main_.Run([](Game& g) { g.frmHelp_Command1_Click(); }); });
    Render();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // A topic opens as a link does: the button goes down on it and comes up over it again.
    bool clicked = false;
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return QWidget::eventFilter(watched, event);
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_topic_ = watched;
            return true;
        }
        const auto* label = static_cast<QWidget*>(watched);
        clicked = pressed_topic_ == watched && label->rect().contains(mouse->position().toPoint());
        pressed_topic_ = nullptr;
        if (!clicked) return true;
    }
    const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (clicked || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        const int topic = watched->property("topic").toInt();
        main_.Run([topic](Game& g) { g.frmHelp_Topic_Click(topic); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::Render() {
    const HelpModel& m = main_.game().frmHelp;
    const QString text = FromModel(m.lblRegles.Caption);
    if (lblRegles_->text() != text) lblRegles_->setText(text);
    lblRegles_->setVisible(m.lblRegles.Visible);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    main_.Run([](Game& g) { g.frmHelp_Closed(); });
}

// ---------------------------------------------------------------------------------------------
AboutWindow::AboutWindow(MainWindow& main) : QDialog(&main), main_(main) {
    SetupWindow(this, "frmAbout", QStringLiteral("About Vex's BlackJack"), {504, 400}, kTableGreen);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    new Shape(this, "Shape1", QRect(8, 8, 504 - 16, 400 - 16), Qt::white, true);
    AddIcon(this, "Image1", {40, 24});
    AddIcon(this, "Image2", {432, 24});
    auto* title = NewLabel(this, "Label1", QStringLiteral("Vex's BlackJack"), {96, 24, 312, 40},
                           GameFont(20, true), Qt::AlignCenter);
    SetTextColour(title, Qt::white);
    auto* version =
        NewLabel(this, "Label2", QStringLiteral("Version %1").arg(QLatin1String(kVersion)),
                 {40, 88, 121, 25}, GameFont(13.5, true));
    SetTextColour(version, Qt::white);
    auto* ok =
        NewButton(this, "cmdOK", QStringLiteral("OK"), {208, 360, 84, 23}, GameFont(13.5, true));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this,
            [this] { main_.Run([](Game& g) { g.frmAbout_cmdOK_Click(); }); });
}

void AboutWindow::reject() {
    main_.Run([](Game& g) { g.frmAbout_cmdOK_Click(); });
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    main_.Run([](Game& g) { g.frmAbout_Closed(); });
}

}  // namespace vex::ui
