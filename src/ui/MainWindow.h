#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

#include "state/Random.h"
#include "table/Game.h"
#include "table/Platform.h"

class QLabel;
class QMenu;
class QPushButton;

namespace vex::ui {

class PictureBox;
class Chip;
class BankWindow;
class EndWindow;
class RulesWindow;
class HelpWindow;
class AboutWindow;
class CoachWindow;

// The table window, Form1. It owns the game, forwards every click, drop, menu command and timer
// tick to the game's handler, then shows the models of all windows again. It is also the game's
// window system: input and message boxes, the Game menu, the dialogs, ending the program.
class MainWindow : public QMainWindow, public Platform {
    Q_OBJECT
  public:
    explicit MainWindow(RandomSource& random, QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return game_; }
    // Runs a handler of the game, then brings every window up to date with the models.
    template <typename Handler>
    void Run(Handler&& handler) {
        handler(game_);
        Render();
    }
    void Render();

    // Platform
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view default_answer, const ScreenPlace* place) override;
    void MessageBox(std::string_view text) override;
    void DropGameMenu() override;
    void EndProgram() override;
    void ShowWindow(Window w) override;
    void HideWindow(Window w) override;
    void CloseWindow(Window w) override;

    // The dialogs that exist right now (null when closed), for tests.
    BankWindow* bankWindow() const;
    RulesWindow* rulesWindow() const;
    HelpWindow* helpWindow() const;
    AboutWindow* aboutWindow() const;
    EndWindow* endWindow() const;
    CoachWindow* coachWindow() const;

    // Opens the coach beside the table (Game > Coach, or "?").
    void OpenCoach();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildTable();
    void BuildMenus();
    void BuildKeys();
    void RenderTable();
    // Paints every shown window at once, before a modal box or a menu takes the screen.
    void RepaintNow();
    QWidget* DialogFor(Window w) const;

    Game game_;
    QWidget* table_ = nullptr;

    std::array<PictureBox*, kCardSlots> slots_{};
    std::array<int, kCardSlots> shown_pictures_{};
    std::array<Chip*, kChipCount> chips_{};
    QLabel *LabelMise_, *Label12_, *Commentaire_, *CommentaireGauche_, *CommentaireDroite_;
    QLabel *lblTotalBanque_, *lblTotalJoueur_, *lblTotalSplit_, *LabelCredit_;
    QPushButton *bnDeal_, *bnClear_, *bnCard_, *bnStay_, *bnDouble_, *bnSplit_, *bnCardSplit_,
        *bnStandSplit_;
    QMenu* mnuGame_ = nullptr;

    struct TimerLink {
        QTimer timer;
        unsigned starts = 0;
    };
    TimerLink Timer1_, Timer2_, Timer3_;

    QPointer<BankWindow> bank_;
    QPointer<EndWindow> end_;
    QPointer<RulesWindow> rules_;
    QPointer<HelpWindow> help_;
    QPointer<AboutWindow> about_;
    QPointer<CoachWindow> coach_;
    bool ending_ = false;
};

// The table's handler that a key (a Qt::Key) stands for in this phase of the round, or none.
using KeyHandler = void (Game::*)();
KeyHandler HandlerForKey(int key, RoundPhase phase);

// Keeps a window timer in step with its model: started, restarted or stopped as the model says.
void SyncTimer(QTimer& timer, unsigned& seen_starts, const vex::Timer& model);

}  // namespace vex::ui
