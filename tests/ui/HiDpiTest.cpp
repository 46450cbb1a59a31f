// Sharp on every screen: the table and the dialogs at scale 1 and 2, with no clipped text, and
// the 2x pictures drawn at 2x rather than blown up from 1x.
//
// A scale factor is fixed when the application starts, so HiDpi.* runs this same program twice
// more, once per scale, with the HiDpiShots.* test only; that child takes the screenshots and
// checks the texts, and the parent compares the pictures. Set VEX_SHOTS_OUT=DIR to keep them.
#include <gtest/gtest.h>

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTemporaryDir>
#include <cmath>

#include "UiTestSupport.h"
#include "ui/AppSetup.h"
#include "ui/Dialogs.h"

namespace vex::test {
namespace {

QString Describe(const QWidget* w, const QString& text, const QRect& need, const QRect& room) {
    QString out;
    QDebug(&out).nospace() << w->objectName() << " \"" << text << "\" needs " << need << " has "
                           << room;
    return out;
}

// Where the letters of a text land when drawn in `room`: across, the width the text takes; up
// and down, the ink itself, since a line's box also keeps room for accents and descenders that
// these letters may not have (a tall "$" in a box of its own height is not clipped).
QRect InkRect(const QFontMetrics& fm, const QRect& room, int flags, const QString& text) {
    const QRect box = fm.boundingRect(room, flags, text);
    const QRect ink = fm.tightBoundingRect(text);  // around the baseline
    const int first_baseline = box.top() + fm.ascent();
    const int last_baseline = box.top() + box.height() - fm.descent();
    return QRect(QPoint(box.left(), first_baseline + ink.top()),
                 QPoint(box.right(), last_baseline + ink.bottom()));
}

// Every shown text of a window fits its widget: labels, buttons, radio buttons, frame titles.
// Returns one line per text that does not.
QStringList ClippedTexts(const QWidget* window) {
    QStringList clipped;
    for (const QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(window) || l->text().isEmpty()) continue;
        const QRect room = l->contentsRect();
        const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect need = InkRect(l->fontMetrics(), room, flags, l->text());
        if (!room.contains(need)) clipped << Describe(l, l->text(), need, room);
    }
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(window) || b->text().isEmpty()) continue;
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        const bool radio = qobject_cast<const QRadioButton*>(b) != nullptr;
        const QRect room = b->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, b);
        const QRect need = InkRect(b->fontMetrics(), room, Qt::AlignCenter, b->text());
        if (!room.contains(need) || !b->rect().contains(room))
            clipped << Describe(b, b->text(), need, room);
    }
    for (const QGroupBox* g : window->findChildren<QGroupBox*>()) {
        const QRect need(0, 0, g->fontMetrics().horizontalAdvance(g->title()) + 16,
                         g->fontMetrics().height());
        if (need.width() > g->width()) clipped << Describe(g, g->title(), need, g->rect());
    }
    return clipped;
}

// The longest texts a label of each kind can be given during a game.
std::vector<const char*> LongestTexts(ControlKind kind) {
    using enum ControlKind;
    if (kind == Comment)
        return {"Not enough credit...Click the 'Borrow' submenu !",
                "Not enough credit or over table limits",
                "You must bet more to play or...borrow!",
                "Dealer has BlackJack...Insurance won!",
                "You have drawn 6 cards...You won!",
                "Shuffling cards...Please wait!"};
    if (kind == Prompt) return {"Maximum bet  32767$", "No credit left!", "Please bet..."};
    if (kind == Outcome) return {"6 cards drawn!", "Busted!", "Push..."};
    if (kind == Bet) return {"32767"};
    if (kind == Credit) return {"999999", "-25000"};
    if (kind == Total) return {"21", "28", "26"};
    return {};
}

void Shoot(QWidget* w, const QString& name) {
    QApplication::processEvents();
    const QPixmap shot = w->grab();
    ASSERT_TRUE(shot.save(qEnvironmentVariable("VEX_SHOTS_DIR") + QLatin1Char('/') + name + ".png"))
        << name.toStdString();
}

#define EXPECT_NOTHING_CLIPPED(window, scene)   \
    EXPECT_TRUE(ClippedTexts(window).isEmpty()) \
        << (scene) << ":\n"                     \
        << ClippedTexts(window).join(QLatin1Char('\n')).toStdString()

TEST(HiDpiShots, TableAndDialogs) {
    if (qEnvironmentVariableIsEmpty("VEX_SHOTS_DIR")) GTEST_SKIP() << "run by HiDpi.* at a scale";
    ui::SetUpApplication();  // as the game program sets itself up

    Window w;
    QWidget* table = w.main->centralWidget();
    const auto ShootWhole = [](QWidget* window, const char* name) {  // no text clipped in it
        Shoot(window, name);
        EXPECT_NOTHING_CLIPPED(window, name);
    };
    // A round with a card hit, stood and won: cards, totals and a comment on the table.
    w.rng.Stack({10, 5, 13, 7, 4});
    w.Click("bnDeal");  // refused without a bet: the comment line speaks
    EXPECT_NOTHING_CLIPPED(w.main.get(), "table, no bet");
    ASSERT_TRUE(DropChip(w.Find("Image3"), "100"));
    w.Click("bnDeal");
    w.Click("bnCard");
    w.Click("bnStay");
    Shoot(table, "table");
    EXPECT_NOTHING_CLIPPED(w.main.get(), "table after a round");

    // Every text each label of the table can show, in turn.
    for (const ControlDecl& d : kForm1Labels) {
        Control& control = w.game().Form1.*d.Member;
        const Control kept = control;
        EXPECT_FALSE(LongestTexts(d.Kind).empty()) << d.Name;
        for (const char* text : LongestTexts(d.Kind)) {
            control.Caption = text;
            control.Visible = true;
            w.main->Render();
            EXPECT_NOTHING_CLIPPED(w.main.get(), d.Name);
        }
        control = kept;
        w.main->Render();
    }

    w.main->Run([](Game& g) { g.mnuBorrow_Click(); });
    ui::BankWindow* bank = w.main->bankWindow();
    ASSERT_NE(bank, nullptr);
    w.game().frmBank.txtBorrow.Caption = "2500";
    w.main->Run([](Game& g) { g.frmBank_bnSign_Click(); });  // signed: the signature shows
    ShootWhole(bank, "bank");
    bank->close();

    w.main->Run([](Game& g) { g.mnuOptions_Click(); });
    ShootWhole(w.main->rulesWindow(), "rules");
    w.main->Run([](Game& g) { g.Rules_bnOK_Click(); });

    w.main->Run([](Game& g) { g.mnuTopics_Click(); });
    ui::HelpWindow* help = w.main->helpWindow();
    ASSERT_NE(help, nullptr);
    for (int topic = 0; topic < static_cast<int>(kHelpTopics.size()); ++topic) {
        w.main->Run([topic](Game& g) { g.frmHelp_Topic_Click(topic); });
        EXPECT_NOTHING_CLIPPED(help, QStringLiteral("help topic %1").arg(topic).toStdString());
    }
    w.main->Run([](Game& g) { g.frmHelp_Topic_Click(0); });
    Shoot(help, "help");

    w.main->Run([](Game& g) { g.mnuAbout_Click(); });
    ShootWhole(w.main->aboutWindow(), "about");

    w.game().Debt = 25000;
    w.main->Run([](Game& g) { g.mnuBorrow_Click(); });
    ASSERT_NE(w.main->endWindow(), nullptr);
    EXPECT_TRUE(w.main->endWindow()->isVisible() && !w.main->isVisible());  // the table goes
    EXPECT_EQ(w.main->endWindow()->windowTitle(), "Game Over");
    ShootWhole(w.main->endWindow(), "gameover");
}

// Takes the screenshots at one scale in a child run of this program; its failures are ours.
void TakeShots(const QString& dir, int scale) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    env.insert(QStringLiteral("VEX_SHOTS_DIR"), dir);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=HiDpiShots.*")});
    ASSERT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitCode(), 0) << "at scale " << scale << ":\n"
                                   << child.readAll().toStdString();
}

// How steep the edges of a picture are: the mean squared step in brightness between
// neighbouring pixels. A picture blown up smoothly has its edges spread over twice the pixels,
// so about half the steepness of one drawn at that size.
double Steepness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int here = qGray(image.pixel(x, y));
            const int right = qGray(image.pixel(x + 1, y)), below = qGray(image.pixel(x, y + 1));
            sum += (here - right) * (here - right) + (here - below) * (here - below);
        }
    return sum / (2.0 * (image.width() - 1) * (image.height() - 1));
}

TEST(HiDpi, TwoTimesPicturesAreDrawnAtTwoTimesAndNoTextIsClipped) {
    QTemporaryDir temporary;
    const QString dir = qEnvironmentVariableIsEmpty("VEX_SHOTS_OUT")
                            ? temporary.path()
                            : qEnvironmentVariable("VEX_SHOTS_OUT");
    for (int scale : {1, 2}) {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral("%1/%2x").arg(dir).arg(scale)));
        TakeShots(QStringLiteral("%1/%2x").arg(dir).arg(scale), scale);
    }
    for (const char* shot : {"table", "bank", "rules", "help", "about", "gameover"}) {
        const QImage one(QStringLiteral("%1/1x/%2.png").arg(dir, shot));
        const QImage two(QStringLiteral("%1/2x/%2.png").arg(dir, shot));
        ASSERT_FALSE(one.isNull()) << shot;
        EXPECT_EQ(two.size(), one.size() * 2) << shot;
    }

    // The corner of the first card, a chip and the table's lettering: at 2x their edges are
    // steeper than even a sharp (Lanczos) blow-up of the 1x picture makes them (about 1.5 times
    // the smooth one's; pictures drawn at 2x measure about 3).
    const QImage one(dir + "/1x/table.png"), two(dir + "/2x/table.png");
    for (const auto& [what, region] : {std::pair{"card corner", QRect(216, 216, 20, 26)},
                                       {"chip", QRect(40, 264, 51, 51)},
                                       {"table lettering", QRect(130, 30, 200, 60)}}) {
        const QImage big = two.copy(QRect(region.topLeft() * 2, region.size() * 2));
        const QImage smooth = one.copy(region).scaled(region.size() * 2, Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation);
        const double steepness = Steepness(big) / Steepness(smooth);
        std::printf("%s: edges %.2f times as steep as the smooth blow-up\n", what, steepness);
        EXPECT_GT(steepness, 2.0) << what;
    }
}

}  // namespace
}  // namespace vex::test
