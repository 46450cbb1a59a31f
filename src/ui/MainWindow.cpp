#include "ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <functional>

#include "ui/Accessibility.h"
#include "ui/Art.h"
#include "ui/CoachWindow.h"
#include "ui/Dialogs.h"
#include "ui/Pictures.h"
#include "ui/Style.h"

namespace vex::ui {

namespace {

QRect ToRect(const Place& p) {
    return {p.Left, p.Top, p.Width, p.Height};
}

QString FromModel(const std::string& text) {
    return QString::fromStdString(text);
}

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
    // The key acts where the phase shows its button; the handler checks what the deal offered.
    const PhaseControls c = ControlsOf(phase);
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return c.deal ? &Game::bnDeal_Click : nullptr;
        case Qt::Key_C:
            return c.betting_open ? &Game::bnClear_Click : nullptr;
        case Qt::Key_D:
            return c.hit_stand ? &Game::bnDouble_Click : nullptr;
        case Qt::Key_P:
            return c.hit_stand ? &Game::bnSplit_Click : nullptr;
        // During a split the twin buttons stand where Hit and Stand stand.
        case Qt::Key_H:
            if (c.hit_stand) return &Game::bnCard_Click;
            return c.split_hit ? &Game::bnCardSplit_Click : nullptr;
        case Qt::Key_S:
            if (c.hit_stand) return &Game::bnStay_Click;
            return c.split_stand && !c.finish ? &Game::bnStandSplit_Click : nullptr;
        case Qt::Key_F:
            return c.split_stand && c.finish ? &Game::bnStandSplit_Click : nullptr;
        default:
            return nullptr;
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
    connect(&Timer1_.timer, &QTimer::timeout, this,
            [this] { Run([](Game& g) { g.Timer1_Timer(); }); });
    connect(&Timer2_.timer, &QTimer::timeout, this,
            [this] { Run([](Game& g) { g.Timer2_Timer(); }); });
    connect(&Timer3_.timer, &QTimer::timeout, this,
            [this] { Run([](Game& g) { g.Timer3_Timer(); }); });

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
    table_->setFixedSize(kTableWidth, kTableHeight);
    table_->setAutoFillBackground(true);
    QPalette green = table_->palette();
    green.setColor(QPalette::Window, kTableGreen);
    table_->setPalette(green);
    setCentralWidget(table_);

    auto* felt = new PictureBox(table_);
    felt->setObjectName(QStringLiteral("Image6"));
    felt->setGeometry(64, 0, 555, 159);
    felt->SetPicture(QStringLiteral("felt"));
    felt->setAccessibleName(
        QStringLiteral("Blackjack pays 3 to 2. Dealer must draw to 16 and "
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
        slot->setGeometry(ToRect(SlotPlace(i)));
        slot->setAccessibleName(QString());
        slots_[i] = slot;
    }
    // Later cards lie on top of earlier ones; the dealer's extra slots exist but stay empty.
    for (int i = 0; i < kCardSlots; ++i) slots_[i]->raise();

    for (int i = 0; i < kChipCount; ++i) {
        const ChipDecl& c = kChips[i];
        auto* chip =
            new Chip(QLatin1String(c.Tag.data(), static_cast<qsizetype>(c.Tag.size())), table_);
        chip->setObjectName(QLatin1String(c.Name));
        chip->setGeometry(ToRect(c.Where));
        chip->setAccessibleName(QStringLiteral("%1 dollar chip").arg(c.Value));
        chip->setToolTip(QStringLiteral("%1 $ chip: drag it onto the big chip, or press %2")
                             .arg(c.Value)
                             .arg(i + 1));
        chips_[i] = chip;
    }

    auto* spot = new PictureBox(table_);
    spot->setObjectName(QStringLiteral("Image3"));
    spot->setGeometry(272, 320, 115, 115);
    spot->SetPicture(QStringLiteral("bigchip"));
    spot->setAccessibleName(QStringLiteral("Betting spot"));

    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i] = NewTableLabel(kForm1Labels[i]);
    auto fixed = [this](const char* name, QRect rect, Qt::Alignment align, const QString& text) {
        SetTextColour(NewLabel(table_, name, text, rect, GameFont(13.5, true), align), kTableText);
    };
    fixed("Label1", {456, 448, 89, 25}, Qt::AlignRight | Qt::AlignVCenter,
          QStringLiteral("Credit:"));
    fixed("Label2", {648, 448, 25, 25}, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("$"));

    // The betting spot and the bet written on it take chips alike.
    QWidget* bet = findChild<QLabel*>(QStringLiteral("LabelMise"));
    for (QWidget* target : {static_cast<QWidget*>(spot), bet}) {
        auto* drop = new ChipDropTarget(target);
        connect(drop, &ChipDropTarget::ChipDropped, this, [this](const QString& tag) {
            const std::string text = tag.toStdString();
            Run([&](Game& g) { g.ChipDrop(text); });
        });
    }

    // Each button runs the handler named after it.
#define VEX_BUTTON_HANDLER(name, ...) &Game::name##_Click,
    constexpr KeyHandler kHandlers[] = {VEX_FORM1_BUTTONS(VEX_BUTTON_HANDLER)};
#undef VEX_BUTTON_HANDLER
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const ControlDecl& d = kForm1Buttons[i];
        const qreal points = d.Kind == ControlKind::BigButton ? 13.5 : 9.75;
        QPushButton* b =
            NewButton(table_, d.Name.data(), {}, ToRect(d.Where), GameFont(points, true));
        b->setAutoDefault(false);
        b->setToolTip(QLatin1String(d.About.data(), static_cast<qsizetype>(d.About.size())));
        const KeyHandler handler = kHandlers[i];
        connect(b, &QPushButton::clicked, this,
                [this, handler] { Run([&](Game& g) { (g.*handler)(); }); });
        buttons_[i] = b;
    }
}

// A label of the table as its kind makes it look.
QLabel* MainWindow::NewTableLabel(const ControlDecl& d) {
    struct Look {
        qreal points;
        Qt::Alignment align;
        QColor text;
        QColor background;  // invalid: the table shows through
    };
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    Look look{9.75, left, kTableText, QColor()};
    switch (d.Kind) {
        case ControlKind::Bet:
            look = {12, Qt::AlignCenter, Qt::black, Qt::white};
            break;
        case ControlKind::Prompt:
            look = {13.5, centre, kPromptColour, QColor()};
            break;
        case ControlKind::Comment:
            look = {12, left, kCommentColour, QColor()};
            break;
        case ControlKind::Outcome:
            break;
        case ControlKind::Total:
            look = {9.75, centre, kTableText, kTotalBackground};
            break;
        case ControlKind::Credit:
            look = {13.5, Qt::AlignRight | Qt::AlignVCenter, kCreditColour, kCreditBackground};
            break;
        case ControlKind::Button:
        case ControlKind::BigButton:
            break;
    }
    QLabel* l = NewLabel(table_, d.Name.data(), {}, ToRect(d.Where), GameFont(look.points, true),
                         look.align);
    SetTextColour(l, look.text);
    if (look.background.isValid()) {
        // Numbers on a background of their own stay on one line.
        l->setWordWrap(false);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, look.background);
        l->setPalette(p);
    }
    if (!d.About.empty())
        l->setAccessibleDescription(
            QLatin1String(d.About.data(), static_cast<qsizetype>(d.About.size())));
    return l;
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
    item(mnuGame_, "mnuNewGame", QStringLiteral("&New Game"),
         [](Game& g) { g.mnuNewGame_Click(); });
    separator(mnuGame_, "mnusep1");
    item(mnuGame_, "mnuBorrow", QStringLiteral("&Borrow"), [](Game& g) { g.mnuBorrow_Click(); });
    item(mnuGame_, "mnuOptions", QStringLiteral("&Settings"),
         [](Game& g) { g.mnuOptions_Click(); });
    separator(mnuGame_, "mnusep2");
    item(mnuGame_, "mnuExit", QStringLiteral("E&xit"), [](Game& g) { g.mnuExit_Click(); });
    // The coach stands beside the game: it opens from here, and never goes through the rules.
    separator(mnuGame_, "mnusep4");
    QAction* coach = mnuGame_->addAction(QStringLiteral("&Coach"));
    coach->setObjectName(QStringLiteral("mnuCoach"));
    // "?" is typed with Shift on most keyboards; either way it opens the coach.
    coach->setShortcuts(
        {QKeySequence(QStringLiteral("?")), QKeySequence(QStringLiteral("Shift+?"))});
    coach->setShortcutContext(Qt::WindowShortcut);
    connect(coach, &QAction::triggered, this, &MainWindow::OpenCoach);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    item(help, "mnuTopics", QStringLiteral("&How to play BlackJack"),
         [](Game& g) { g.mnuTopics_Click(); });
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
            if (!game_.BettingOpen()) return;
            Run([i](Game& g) { g.ChipDrop(kChips[i].Tag); });
        });
    }
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
        const QRect beside(frameGeometry().topRight() + QPoint(8, 0),
                           coach_->frameGeometry().size());
        if (screen() && screen()->availableGeometry().contains(beside))
            coach_->move(beside.topLeft());
    }
    // The keys stay with the table: the coach is read while playing, not played in.
    coach_->setAttribute(Qt::WA_ShowWithoutActivating);
    coach_->show();
    coach_->raise();
    coach_->Render();
}

CoachWindow* MainWindow::coachWindow() const {
    return coach_;
}

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

    for (std::size_t i = 0; i < labels_.size(); ++i) Apply(labels_[i], m.*kForm1Labels[i].Member);
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        Apply(buttons_[i], m.*kForm1Buttons[i].Member);

    SyncTimer(Timer1_.timer, Timer1_.starts, m.Timer1);
    SyncTimer(Timer2_.timer, Timer2_.starts, m.Timer2);
    SyncTimer(Timer3_.timer, Timer3_.starts, m.Timer3);

    if (!m.Visible && isVisible()) hide();  // the game is over
}

std::string MainWindow::InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view default_answer, const ScreenPlace* place) {
    RenderTable();                 // the player sees the cards the question is about
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

BankWindow* MainWindow::bankWindow() const {
    return bank_;
}
RulesWindow* MainWindow::rulesWindow() const {
    return rules_;
}
HelpWindow* MainWindow::helpWindow() const {
    return help_;
}
AboutWindow* MainWindow::aboutWindow() const {
    return about_;
}
EndWindow* MainWindow::endWindow() const {
    return end_;
}

QWidget* MainWindow::DialogFor(Window w) const {
    switch (w) {
        case Window::Bank:
            return bank_;
        case Window::Rules:
            return rules_;
        case Window::Help:
            return help_;
        case Window::About:
            return about_;
        case Window::End:
            return end_;
    }
    return nullptr;
}

void MainWindow::ShowWindow(Window w) {
    QWidget* dialog = DialogFor(w);
    if (!dialog) {
        switch (w) {
            case Window::Bank:
                dialog = bank_ = new BankWindow(*this);
                break;
            case Window::Rules:
                dialog = rules_ = new RulesWindow(*this);
                break;
            case Window::Help:
                dialog = help_ = new HelpWindow(*this);
                break;
            case Window::About:
                dialog = about_ = new AboutWindow(*this);
                break;
            case Window::End:
                dialog = end_ = new EndWindow(*this);
                break;
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
        case Window::Bank:
            bank_ = nullptr;
            break;
        case Window::Rules:
            rules_ = nullptr;
            break;
        case Window::Help:
            help_ = nullptr;
            break;
        case Window::About:
            about_ = nullptr;
            break;
        case Window::End:
            end_ = nullptr;
            break;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box of the table ends the program, as Exit does.
    event->accept();
    if (!ending_) EndProgram();
}

}  // namespace vex::ui
