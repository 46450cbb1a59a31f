// The six-deck shoe, the reshuffle every 20 rounds, and the card pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "core/Helpers.h"
#include "state/CardFaces.h"
#include "state/Shoe.h"

namespace vex::test {
namespace {

using CardKey = std::tuple<int, int, int>;
CardKey Key(const Card& c) { return {c.Deck, c.Suit, c.Value}; }

TEST(Shoe, AFreshShoeDealsEachOfItsCardsExactlyOnce) {
    TableState s;
    SeededRandom random(11);
    ShuffleShoe(s, random);
    std::set<CardKey> seen;
    for (int i = 0; i < kShoeSize; ++i) {
        const Card c = DrawCard(s, random);
        ASSERT_TRUE(c.Deck >= 1 && c.Deck <= 6 && c.Suit >= 1 && c.Suit <= 4 && c.Value >= 1 &&
                    c.Value <= 13);
        EXPECT_TRUE(seen.insert(Key(c)).second) << "dealt twice: " << c.Deck << c.Suit << c.Value;
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kShoeSize));
    EXPECT_EQ(s.ShoeCardsLeft, 0);
    ShuffleShoe(s, random);
    EXPECT_EQ(s.ShoeCardsLeft, kShoeSize);
    EXPECT_EQ(s.ShoeUsed[6][4][13], 0);
}

TEST(Shoe, AnEmptyShoeTakesBackEveryCardButThoseOfTheRoundInPlay) {
    TableState s;
    SeededRandom random(5);
    ShuffleShoe(s, random);
    for (int i = 0; i < kShoeSize - 12; ++i) DrawCard(s, random);  // earlier rounds
    BeginRound(s);
    std::set<CardKey> on_table;
    for (int i = 0; i < 12; ++i) on_table.insert(Key(DrawCard(s, random)));
    ASSERT_EQ(s.ShoeCardsLeft, 0);

    // The round goes on: the cards of the earlier rounds come back, this round's never.
    std::set<CardKey> again;
    for (int i = 0; i < kShoeSize - 12; ++i) {
        const CardKey k = Key(DrawCard(s, random));
        EXPECT_FALSE(on_table.count(k)) << "a card on the table was dealt again";
        again.insert(k);
    }
    EXPECT_EQ(again.size(), static_cast<std::size_t>(kShoeSize - 12));
    DrawCard(s, random);  // empty once more: still no hang
    EXPECT_GT(s.ShoeCardsLeft, 0);
}

TEST(Shoe, TwoCopiesOfOneCardCanComeInOneRound) {
    Table t;
    t.BetChips({10});
    t.Deal(7, 7, 10, 9);  // both sevens of spades
    const Card& a = t.game.CardsOnTable[0];
    const Card& b = t.game.CardsOnTable[1];
    EXPECT_EQ(std::tie(a.Suit, a.Value), std::tie(b.Suit, b.Value));
    EXPECT_NE(a.Deck, b.Deck);
    EXPECT_EQ(t.game.Form1.ImageCarte[0], CardFace(1, 7));
    EXPECT_EQ(t.game.Form1.ImageCarte[1], CardFace(1, 7));
    EXPECT_EQ(t.game.PlayerTotal, 14);
}

TEST(Shoe, TheTwentyFirstDealReshufflesAndTheNextPressDeals) {
    Table t;
    Game& g = t.game;
    for (int round = 0; round < 20; ++round) PlayQuickRound(t);
    ASSERT_EQ(g.RoundsSinceShuffle, 20);
    ASSERT_LT(g.ShoeCardsLeft, kShoeSize);
    t.BetChips({10});
    const auto money = t.Money();

    g.bnDeal_Click();
    EXPECT_EQ(g.RoundsSinceShuffle, 0);
    EXPECT_EQ(g.ShoeCardsLeft, kShoeSize);
    EXPECT_EQ(Shown(g.Form1.Commentaire), "Shuffling cards...Please wait!");
    EXPECT_FALSE(g.Form1.bnDeal.Enabled);
    EXPECT_TRUE(g.Form1.Timer2.Enabled);
    EXPECT_TRUE(std::all_of(g.Form1.ImageCarte.begin(), g.Form1.ImageCarte.end(),
                            [](auto p) { return p == kNoPicture; }));
    // Betting stays open: the bet can still change during the pause.
    EXPECT_TRUE(g.Form1.bnClear.Enabled && g.Form1.ChipDraggable[0]);
    EXPECT_EQ(t.Money(), money);
    EXPECT_EQ(g.Bet, 10);

    g.Timer2_Timer();
    EXPECT_FALSE(g.Form1.Commentaire.Visible || g.Form1.Timer2.Enabled);
    EXPECT_TRUE(g.Form1.bnDeal.Enabled);
    t.Deal(10, 8, 10, 7);
    EXPECT_EQ(g.RoundsSinceShuffle, 1);
    EXPECT_EQ(g.Form1.ImageCarte[0], CardFace(1, 10));
    EXPECT_EQ(Buttons(g), "Hit Stand Double");
}

TEST(Shoe, AReshuffleDueWithAnEmptyBetAsksForABetInstead) {
    Table t;
    t.game.RoundsSinceShuffle = 20;
    t.game.bnDeal_Click();
    EXPECT_EQ(Shown(t.game.Form1.Commentaire), "You must bet more to play or...borrow!");
    EXPECT_EQ(t.game.RoundsSinceShuffle, 20);
    EXPECT_FALSE(t.game.Form1.Timer2.Enabled);
    EXPECT_TRUE(t.game.Form1.bnDeal.Enabled);
}

TEST(CardFaces, FacesFollowSuitAndValueAndOnlyTheHoleCardTurns) {
    static_assert(CardFace(1, 1) == 101 && CardFace(1, 13) == 113 && CardFace(2, 1) == 114);
    static_assert(CardFace(4, 13) == 152 && kCardBack == 153);
    static_assert(PlayerCardSlot(6) == 5 && SplitCardSlot(6) == 11 && DealerCardSlot(8) == 19);

    Table t;
    t.BetChips({10});
    t.rng.Stack(1, 1);
    t.rng.Stack(13, 4);
    t.rng.Stack(10, 2);
    t.rng.Stack(7, 3);
    t.game.bnDeal_Click();  // blackjack: the hole card stays down
    auto before = t.game.Form1.ImageCarte;
    EXPECT_EQ(before[0], 101);
    EXPECT_EQ(before[1], 152);
    EXPECT_EQ(before[12], CardFace(2, 10));
    EXPECT_EQ(before[13], kCardBack);

    t.game.Timer1_Timer();
    t.BetChips({10});
    t.Deal(10, 8, 10, 7);
    before = t.game.Form1.ImageCarte;
    EXPECT_EQ(before[13], kCardBack);
    t.game.bnStay_Click();  // the dealer holds 17 and draws nothing
    auto after = t.game.Form1.ImageCarte;
    EXPECT_EQ(after[13], CardFace(1, 7));
    after[13] = before[13];
    EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace vex::test
