#include "ui/MainWindow.h"

#include <QApplication>
#include <functional>
#include <QCloseEvent>
#include <QInputDialog>
#include <QLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "ui/Accessibility.h"
#include "ui/Art.h"
#include "ui/CoachWindow.h"
#include "ui/Dialogs.h"
#include "ui/Pictures.h"
#include "ui/Style.h"

namespace vex::ui {

namespace {

// Places of the card slots: the player's row, the split row, the dealer's row.
QRect SlotRect(int slot) {
    constexpr int kStep = 32;
    if (slot < 6) return {216 + kStep * slot, 216, 54, 73};
    if (slot < 12) return {440 + kStep * (slot - 6), 216, 54, 73};
    // The dealer's row; a very long hand goes on to the right and stops at the window's edge.
    const int left = std::min(216 + kStep * (slot - 12), 679 - 54 - 4);
    return {left, 96, 54, 73};
}

QString FromModel(const std::string& text) { return QString::fromStdString(text); }

void Apply(QLabel* label, const Control& c) {
    const QString text = FromModel(c.Caption);
    if (label->text() != text) label->setText(text);
    label->setVisible(c.Visible);
}

void Apply(QPushButton* button, const Control& c) {
    const QString text = FromModel(c.Caption);
    if (button->text() != text) button->setText(text);
    button->setVisible(c.Visible);
    button->setEnabled(c.Enabled);
}

// Line breaks in the game's texts are carriage returns.
QString ForDisplay(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

KeyHandler HandlerForKey(int key, RoundPhase phase) {
    using enum RoundPhase;
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return phase == Betting ? &Game::bnDeal_Click : nullptr;
        case Qt::Key_C: return phase == Betting || phase == Shuffling ? &Game::bnClear_Click : nullptr;
        case Qt::Key_D: return phase == MainHand ? &Game::bnDouble_Click : nullptr;
        case Qt::Key_P: return phase == MainHand ? &Game::bnSplit_Click : nullptr;
        // During a split the twin buttons stand where Hit and Stand stand.
        case Qt::Key_H:
            if (phase == MainHand) return &Game::bnCard_Click;
            if (phase == LeftHand || phase == RightHand) return &Game::bnCardSplit_Click;
            return nullptr;
        case Qt::Key_S:
            if (phase == MainHand) return &Game::bnStay_Click;
            if (phase == LeftHand) return &Game::bnStandSplit_Click;
            return nullptr;
        case Qt::Key_F:
            return phase == RightHand || phase == RightHandDone ? &Game::bnStandSplit_Click : nullptr;
        default: return nullptr;
    }
}

void SyncTimer(QTimer& timer, unsigned& seen_starts, const vex::Timer& model) {
    if (model.Enabled && (!timer.isActive() || model.Starts != seen_starts)) {
        timer.start(model.Interval);
    } else if (!model.Enabled && timer.isActive()) {
        timer.stop();
    }
    seen_starts = model.Starts;
}

MainWindow::MainWindow(RandomSource& random, QWidget* parent)
    : QMainWindow(parent), game_(*this, random) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vex's BlackJack"));
    BuildTable();
    BuildMenus();
    BuildKeys();
    DescribeForScreenReaders(*this);
    // The table is drawn for one size: the window is exactly the table and its menu bar, and the
    // player cannot enlarge it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Children of the window, so they can be found by name; members, so they die first.
    for (auto* link : {&Timer1_, &Timer2_, &Timer3_}) {
        link->timer.setParent(this);
        link->timer.setTimerType(Qt::PreciseTimer);
    }
    Timer1_.timer.setObjectName(QStringLiteral("Timer1"));
    Timer2_.timer.setObjectName(QStringLiteral("Timer2"));
    Timer3_.timer.setObjectName(QStringLiteral("Timer3"));
    Timer1_.timer.setInterval(game_.Form1.Timer1.Interval);
    Timer2_.timer.setInterval(game_.Form1.Timer2.Interval);
    Timer3_.timer.setInterval(game_.Form1.Timer3.Interval);
    connect(&Timer1_.timer, &QTimer::timeout, this, [this] { Run([](Game& g) { g.Timer1_Timer(); }); });
    connect(&Timer2_.timer, &QTimer::timeout, this, [this] { Run([](Game& g) { g.Timer2_Timer(); }); });
    connect(&Timer3_.timer, &QTimer::timeout, this, [this] { Run([](Game& g) { g.Timer3_Timer(); }); });

    Run([](Game& g) { g.Form_Load(); });
}

MainWindow::~MainWindow() {
    ending_ = true;
    for (QWidget* w : {static_cast<QWidget*>(bank_), static_cast<QWidget*>(end_),
                       static_cast<QWidget*>(rules_), static_cast<QWidget*>(help_),
                       static_cast<QWidget*>(about_), static_cast<QWidget*>(coach_)})
        delete w;
}

void MainWindow::BuildTable() {
    table_ = new QWidget(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setFixedSize(679, 486);
    table_->setAutoFillBackground(true);
    QPalette green = table_->palette();
    green.setColor(QPalette::Window, kTableGreen);
    table_->setPalette(green);
    setCentralWidget(table_);

    auto* felt = new PictureBox(table_);
    felt->setObjectName(QStringLiteral("Image6"));
    felt->setGeometry(64, 0, 555, 159);
    felt->SetPicture(QStringLiteral("felt"));
    felt->setAccessibleName(QStringLiteral("Blackjack pays 3 to 2. Dealer must draw to 16 and "
                                           "stand on all 17s. Insurance pays 2 to 1"));

    // The four decorative lines frame the chip rack.
    const struct {
        const char* name;
        QRect rect;
    } lines[] = {{"Line1", {32, 256, 122, 1}},
                 {"Line3", {153, 256, 1, 160}},
                 {"Line5", {32, 415, 122, 1}},
                 {"Line6", {32, 256, 1, 160}}};
    for (const auto& line : lines) {
        auto* w = new QWidget(table_);
        w->setObjectName(QLatin1String(line.name));
        w->setGeometry(line.rect);
        w->setAutoFillBackground(true);
        QPalette p = w->palette();
        p.setColor(QPalette::Window, kLineColour);
        w->setPalette(p);
    }

    for (int i = 0; i < kCardSlots; ++i) {
        auto* slot = new PictureBox(table_);
        slot->setObjectName(QStringLiteral("ImageCarte"));
        slot->setProperty("index", i);
        slot->setGeometry(SlotRect(i));
        slot->setAccessibleName(QString());
        slots_[i] = slot;
    }
    // Later cards lie on top of earlier ones; the dealer's extra slots exist but stay empty.
    for (int i = 0; i < kCardSlots; ++i) slots_[i]->raise();

    const struct {
        const char* name;
        const char* tag;
        QRect rect;
    } chips[] = {{"Image1", "10", {40, 264, 51, 51}},
                 {"Image2", "50", {96, 264, 50, 51}},
                 {"Image5", "100", {40, 320, 51, 51}},
                 {"Image4", "500", {96, 320, 50, 51}}};
    for (int i = 0; i < kChipCount; ++i) {
        auto* chip = new Chip(QLatin1String(chips[i].tag), table_);
        chip->setObjectName(QLatin1String(chips[i].name));
        chip->setGeometry(chips[i].rect);
        chip->setAccessibleName(QStringLiteral("%1 dollar chip").arg(chips[i].tag));
        chips_[i] = chip;
    }

    auto* spot = new PictureBox(table_);
    spot->setObjectName(QStringLiteral("Image3"));
    spot->setGeometry(272, 320, 115, 115);
    spot->SetPicture(QStringLiteral("bigchip"));
    spot->setAccessibleName(QStringLiteral("Betting spot"));

    auto label = [this](const char* name, QRect rect, const QFont& font, Qt::Alignment align,
                        const QString& text = {}) {
        QLabel* l = NewLabel(table_, name, text, rect, font, align);
        SetTextColour(l, kTableText);
        return l;
    };
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;

    LabelMise_ = label("LabelMise", {304, 368, 49, 25}, GameFont(12, true), Qt::AlignCenter);
    LabelMise_->setAutoFillBackground(true);
    {
        QPalette p = LabelMise_->palette();
        p.setColor(QPalette::Window, Qt::white);
        p.setColor(QPalette::WindowText, Qt::black);
        LabelMise_->setPalette(p);
    }
    LabelMise_->setWordWrap(false);
    Label12_ = label("Label12", {8, 224, 201, 33}, GameFont(13.5, true), centre);
    SetTextColour(Label12_, kPromptColour);
    Commentaire_ = label("Commentaire", {256, 184, 417, 22}, GameFont(12, true), left);
    SetTextColour(Commentaire_, kCommentColour);
    CommentaireGauche_ = label("CommentaireGauche", {256, 296, 153, 17}, GameFont(9.75, true), left);
    CommentaireDroite_ = label("CommentaireDroite", {480, 296, 153, 17}, GameFont(9.75, true), left);
    lblTotalBanque_ = label("lblTotalBanque", {216, 184, 25, 17}, GameFont(9.75, true), centre);
    lblTotalJoueur_ = label("lblTotalJoueur", {216, 296, 25, 17}, GameFont(9.75, true), centre);
    lblTotalSplit_ = label("lblTotalSplit", {440, 296, 25, 17}, GameFont(9.75, true), centre);
    for (QLabel* total : {lblTotalBanque_, lblTotalJoueur_, lblTotalSplit_}) {
        total->setWordWrap(false);
        total->setAutoFillBackground(true);
        QPalette p = total->palette();
        p.setColor(QPalette::Window, kTotalBackground);
        total->setPalette(p);
    }
    label("Label1", {456, 448, 89, 25}, GameFont(13.5, true), Qt::AlignRight | Qt::AlignVCenter,
          QStringLiteral("Credit:"));
    LabelCredit_ = label("LabelCredit", {560, 448, 81, 25}, GameFont(13.5, true),
                         Qt::AlignRight | Qt::AlignVCenter);
    LabelCredit_->setWordWrap(false);
    LabelCredit_->setAutoFillBackground(true);
    {
        QPalette p = LabelCredit_->palette();
        p.setColor(QPalette::Window, kCreditBackground);
        p.setColor(QPalette::WindowText, kCreditColour);
        LabelCredit_->setPalette(p);
    }
    label("Label2", {648, 448, 25, 25}, GameFont(13.5, true), Qt::AlignLeft | Qt::AlignVCenter,
          QStringLiteral("$"));

    // The betting spot and the bet written on it take chips alike.
    for (QWidget* target : {static_cast<QWidget*>(spot), static_cast<QWidget*>(LabelMise_)}) {
        auto* drop = new ChipDropTarget(target);
        connect(drop, &ChipDropTarget::ChipDropped, this, [this](const QString& tag) {
            const std::string text = tag.toStdString();
            Run([&](Game& g) { g.ChipDrop(text); });
        });
    }

    auto button = [this](const char* name, QRect rect, qreal points, void (Game::*handler)()) {
        QPushButton* b = NewButton(table_, name, {}, rect, GameFont(points, true));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { Run([&](Game& g) { (g.*handler)(); }); });
        return b;
    };
    bnDeal_ = button("bnDeal", {288, 448, 89, 33}, 13.5, &Game::bnDeal_Click);
    bnClear_ = button("bnClear", {48, 384, 89, 25}, 9.75, &Game::bnClear_Click);
    bnCard_ = button("bnCard", {440, 344, 73, 25}, 9.75, &Game::bnCard_Click);
    bnStay_ = button("bnStay", {440, 384, 73, 25}, 9.75, &Game::bnStay_Click);
    bnDouble_ = button("bnDouble", {528, 344, 73, 25}, 9.75, &Game::bnDouble_Click);
    bnSplit_ = button("bnSplit", {528, 384, 73, 25}, 9.75, &Game::bnSplit_Click);
    bnCardSplit_ = button("bnCardSplit", {440, 344, 73, 25}, 9.75, &Game::bnCardSplit_Click);
    bnStandSplit_ = button("bnStandSplit", {440, 384, 73, 25}, 9.75, &Game::bnStandSplit_Click);
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, [this, handler] { Run(handler); });
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    mnuGame_ = bar->addMenu(QStringLiteral("&Game"));
    mnuGame_->setObjectName(QStringLiteral("mnuGame"));
    item(mnuGame_, "mnuNewGame", QStringLiteral("&New Game"), [](Game& g) { g.mnuNewGame_Click(); });
    separator(mnuGame_, "mnusep1");
    item(mnuGame_, "mnuBorrow", QStringLiteral("&Borrow"), [](Game& g) { g.mnuBorrow_Click(); });
    item(mnuGame_, "mnuOptions", QStringLiteral("&Settings"), [](Game& g) { g.mnuOptions_Click(); });
    separator(mnuGame_, "mnusep2");
    item(mnuGame_, "mnuExit", QStringLiteral("E&xit"), [](Game& g) { g.mnuExit_Click(); });
    // The coach stands beside the game: it opens from here, and never goes through the rules.
    separator(mnuGame_, "mnusep4");
    QAction* coach = mnuGame_->addAction(QStringLiteral("&Coach"));
    coach->setObjectName(QStringLiteral("mnuCoach"));
    // "?" is typed with Shift on most keyboards; either way it opens the coach.
    coach->setShortcuts({QKeySequence(QStringLiteral("?")), QKeySequence(QStringLiteral("Shift+?"))});
    coach->setShortcutContext(Qt::WindowShortcut);
    connect(coach, &QAction::triggered, this, &MainWindow::OpenCoach);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    item(help, "mnuTopics", QStringLiteral("&How to play BlackJack"), [](Game& g) { g.mnuTopics_Click(); });
    separator(help, "mnusep3");
    item(help, "mnuAbout", QStringLiteral("&About BlackJack"), [](Game& g) { g.mnuAbout_Click(); });
}

// Keys stand for the controls of the table: a key acts only when its control could be clicked
// (or, for a chip, dragged) at that moment, and it runs the same handler the mouse would.
void MainWindow::BuildKeys() {
    auto key = [this](QKeySequence sequence, std::function<void()> action) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_C, Qt::Key_D, Qt::Key_P, Qt::Key_H,
                      Qt::Key_S, Qt::Key_F}) {
        key(k, [this, k] {
            // The handler itself does nothing if its button is hidden or disabled.
            if (const KeyHandler handler = HandlerForKey(k, game_.Phase))
                Run([handler](Game& g) { (g.*handler)(); });
        });
    }
    const Qt::Key chip_keys[kChipCount] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int i = 0; i < kChipCount; ++i) {
        key(chip_keys[i], [this, i] {
            if (!game_.Form1.ChipDraggable[i]) return;
            const std::string tag = std::to_string(kChipValues[i]);
            Run([&tag](Game& g) { g.ChipDrop(tag); });
        });
        chips_[i]->setToolTip(QStringLiteral("%1 $ chip: drag it onto the big chip, or press %2")
                                  .arg(kChipValues[i])
                                  .arg(i + 1));
    }
    bnDeal_->setToolTip(QStringLiteral("Deal (Enter)"));
    bnClear_->setToolTip(QStringLiteral("Clear bet (C)"));
    bnCard_->setToolTip(QStringLiteral("Hit (H)"));
    bnStay_->setToolTip(QStringLiteral("Stand (S)"));
    bnDouble_->setToolTip(QStringLiteral("Double (D)"));
    bnSplit_->setToolTip(QStringLiteral("Split (P)"));
    bnCardSplit_->setToolTip(QStringLiteral("Hit (H)"));
    bnStandSplit_->setToolTip(QStringLiteral("Stand (S) / Finish (F)"));
}

void MainWindow::Render() {
    if (ending_) return;
    RenderTable();
    if (bank_) bank_->Render();
    if (rules_) rules_->Render();
    if (help_) help_->Render();
    if (coach_) coach_->Render();
}

void MainWindow::OpenCoach() {
    if (!coach_) {
        coach_ = new CoachWindow(*this);
        // Beside the table, where the screen has room for it.
        coach_->adjustSize();
        const QRect beside(frameGeometry().topRight() + QPoint(8, 0), coach_->frameGeometry().size());
        if (screen() && screen()->availableGeometry().contains(beside)) coach_->move(beside.topLeft());
    }
    // The keys stay with the table: the coach is read while playing, not played in.
    coach_->setAttribute(Qt::WA_ShowWithoutActivating);
    coach_->show();
    coach_->raise();
    coach_->Render();
}

CoachWindow* MainWindow::coachWindow() const { return coach_; }

void MainWindow::RenderTable() {
    const Form1Model& m = game_.Form1;
    for (int i = 0; i < kCardSlots; ++i) {
        const int picture = m.ImageCarte[i];
        if (picture == shown_pictures_[i]) continue;
        shown_pictures_[i] = picture;
        slots_[i]->SetPicture(picture == kNoPicture ? QString() : CardArtName(picture));
        slots_[i]->setAccessibleName(CardInWords(picture));
    }
    for (int i = 0; i < kChipCount; ++i) chips_[i]->SetDraggable(m.ChipDraggable[i]);

    Apply(LabelMise_, m.LabelMise);
    Apply(Label12_, m.Label12);
    Apply(Commentaire_, m.Commentaire);
    Apply(CommentaireGauche_, m.CommentaireGauche);
    Apply(CommentaireDroite_, m.CommentaireDroite);
    Apply(lblTotalBanque_, m.lblTotalBanque);
    Apply(lblTotalJoueur_, m.lblTotalJoueur);
    Apply(lblTotalSplit_, m.lblTotalSplit);
    Apply(LabelCredit_, m.LabelCredit);
    Apply(bnDeal_, m.bnDeal);
    Apply(bnClear_, m.bnClear);
    Apply(bnCard_, m.bnCard);
    Apply(bnStay_, m.bnStay);
    Apply(bnDouble_, m.bnDouble);
    Apply(bnSplit_, m.bnSplit);
    Apply(bnCardSplit_, m.bnCardSplit);
    Apply(bnStandSplit_, m.bnStandSplit);

    SyncTimer(Timer1_.timer, Timer1_.starts, m.Timer1);
    SyncTimer(Timer2_.timer, Timer2_.starts, m.Timer2);
    SyncTimer(Timer3_.timer, Timer3_.starts, m.Timer3);

    if (!m.Visible && isVisible()) hide();  // the game is over
}

std::string MainWindow::InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view default_answer, const ScreenPlace* place) {
    RenderTable();  // the player sees the cards the question is about
    if (coach_) coach_->Render();  // and the coach values the question
    QInputDialog box(this);
    box.setObjectName(QStringLiteral("InputBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(ForDisplay(prompt));
    box.setWindowTitle(ForDisplay(title));
    box.setTextValue(ForDisplay(default_answer));
    if (place) {
        // 15 twips make a pixel at the standard 96 dots per inch.
        box.move(qRound(place->LeftTwips / 15.0), qRound(place->TopTwips / 15.0));
    }
    const bool answered = box.exec() == QDialog::Accepted;
    activateWindow();  // keys go back to the table
    if (!answered) return {};
    return box.textValue().toStdString();
}

void MainWindow::MessageBox(std::string_view text) {
    // What the handler has shown so far is on screen before the box (a refused check shows its
    // signature under the message).
    Render();
    RepaintNow();
    QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vex's BlackJack"), ForDisplay(text),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

void MainWindow::DropGameMenu() {
    // As if the player had pressed Alt+G: the menu bar opens the Game menu, once the cleared table
    // and the hint are on screen.
    if (!isVisible()) return;
    RenderTable();
    RepaintNow();
    menuBar()->setActiveAction(mnuGame_->menuAction());
}

void MainWindow::RepaintNow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->repaint();
}

void MainWindow::EndProgram() {
    ending_ = true;
    QApplication::closeAllWindows();
    QApplication::exit(0);
}

BankWindow* MainWindow::bankWindow() const { return bank_; }
RulesWindow* MainWindow::rulesWindow() const { return rules_; }
HelpWindow* MainWindow::helpWindow() const { return help_; }
AboutWindow* MainWindow::aboutWindow() const { return about_; }
EndWindow* MainWindow::endWindow() const { return end_; }

QWidget* MainWindow::DialogFor(Window w) const {
    switch (w) {
        case Window::Bank: return bank_;
        case Window::Rules: return rules_;
        case Window::Help: return help_;
        case Window::About: return about_;
        case Window::End: return end_;
    }
    return nullptr;
}

void MainWindow::ShowWindow(Window w) {
    QWidget* dialog = DialogFor(w);
    if (!dialog) {
        switch (w) {
            case Window::Bank: dialog = bank_ = new BankWindow(*this); break;
            case Window::Rules: dialog = rules_ = new RulesWindow(*this); break;
            case Window::Help: dialog = help_ = new HelpWindow(*this); break;
            case Window::About: dialog = about_ = new AboutWindow(*this); break;
            case Window::End: dialog = end_ = new EndWindow(*this); break;
        }
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::HideWindow(Window w) {
    if (QWidget* dialog = DialogFor(w)) dialog->hide();
}

void MainWindow::CloseWindow(Window w) {
    QWidget* dialog = DialogFor(w);
    if (!dialog) return;
    // Destroyed without a close event: the game has already done what closing means.
    dialog->hide();
    dialog->deleteLater();
    switch (w) {
        case Window::Bank: bank_ = nullptr; break;
        case Window::Rules: rules_ = nullptr; break;
        case Window::Help: help_ = nullptr; break;
        case Window::About: about_ = nullptr; break;
        case Window::End: end_ = nullptr; break;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box of the table ends the program, as Exit does.
    event->accept();
    if (!ending_) EndProgram();
}

}  // namespace vex::ui
