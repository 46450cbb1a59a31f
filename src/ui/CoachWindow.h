#pragma once

#include <QFutureWatcher>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "coach/Session.h"

class QCheckBox;
class QLabel;
class QListWidget;

namespace vex::ui {

class MainWindow;
class SessionChart;

// The coach: the value of each choice the player can make now, from the cards really left in
// the shoe, the verdict on the last choice made, the Hi-Lo count, the edge of the next round
// while the player bets, and how the session has gone: luck against skill round by round, and
// the costliest choices. A window beside the table that only reads the game; it starts watching
// when it is first opened.
class CoachWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CoachWindow(MainWindow& main);
    ~CoachWindow() override;
    // Looks at the game again and shows what it finds.
    void Render();

    // The next round's edge for this shoe, worked out in the background. A value for a shoe that
    // is no longer the one in front of the player is dropped.
    void EdgeWorkedOut(const coach::Composition& shoe, double edge);

  private:
    struct Edge {
        coach::Composition shoe;
        double edge = 0;
    };
    void RenderChoices();
    void RenderEdge(const Game& g);
    // Starts working out the edge for this shoe, or leaves it for when the one running ends.
    void WorkOutEdge(const coach::Composition& shoe);
    void EdgeJobFinished();

    MainWindow& main_;
    coach::Session session_;
    QLabel* situation_;
    std::array<QLabel*, 4> actions_{};
    std::array<QLabel*, 4> values_{};
    QLabel* verdict_;
    QLabel* accuracy_;
    QLabel* shoe_;
    QLabel* count_;
    QLabel* edge_;
    QLabel* edge_count_;
    QCheckBox* show_count_;
    QLabel* rounds_;
    QLabel* net_;
    QLabel* expected_;
    QLabel* given_away_;
    SessionChart* chart_;
    QListWidget* review_;
    QLabel* no_review_;
    QStringList review_texts_;

    // The edge takes up to tens of milliseconds on a full shoe: it is worked out on a pool
    // thread, one shoe at a time, with an engine of its own that only the jobs touch.
    std::unique_ptr<coach::Engine> edge_engine_;
    QFutureWatcher<Edge> edge_job_;
    bool edge_busy_ = false;  // a job is out: the engine is the pool thread's until it ends
    std::optional<coach::Composition> edge_wanted_;  // the shoe in front of the player
    std::optional<Edge> edge_known_;                 // the last one worked out
};

}  // namespace vex::ui
