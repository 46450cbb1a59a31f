// The six-deck shoe, the reshuffle every 20 rounds, and the card pictures.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "core/Helpers.h"
#include "state/Shoe.h"

namespace vex::test {
namespace {

using CardKey = std::tuple<int, int, int>;
CardKey Key(const Card& c) {
    return {c.Deck, c.Suit, c.Value};
}

// A fresh shoe deals each of its cards once; emptied in the middle of a round, it takes back
// every card but those on the table.
TEST(Shoe, DealsEachCardOnceAndAnEmptyShoeKeepsOutTheCardsOfTheRoundInPlay) {
    TableState s;
    SeededRandom random(5);
    ShuffleShoe(s, random);
    std::set<CardKey> first, on_table, again;
    for (int i = 0; i < kShoeSize - 12; ++i) first.insert(Key(DrawCard(s, random)));
    BeginRound(s);
    for (int i = 0; i < 12; ++i) on_table.insert(Key(DrawCard(s, random)));
    first.insert(on_table.begin(), on_table.end());
    EXPECT_EQ(first.size(), static_cast<std::size_t>(kShoeSize));
    EXPECT_TRUE(first.count({1, 1, 1}) && first.count({6, 4, 13}));
    for (int i = 0; i < kShoeSize - 12; ++i) {
        const CardKey k = Key(DrawCard(s, random));
        EXPECT_FALSE(on_table.count(k)) << "a card on the table was dealt again";
        again.insert(k);
    }
    EXPECT_EQ(again.size(), static_cast<std::size_t>(kShoeSize - 12));
    DrawCard(s, random);  // empty once more: still no hang
    ShuffleShoe(s, random);
    EXPECT_EQ(s.ShoeCardsLeft, kShoeSize);
    EXPECT_EQ(s.ShoeUsed[6][4][13], 0);
}

TEST(Shoe, TheTwentyFirstDealReshufflesIfABetIsOnTheSpotAndTheNextPressDeals) {
    Table t;
    Game& g = t.game;
    for (int round = 0; round < 20; ++round) {  // rounds of 10 $ on whatever the shoe deals
        t.BetChips({10});
        g.bnDeal_Click();
        if (g.Phase == RoundPhase::MainHand) g.bnStay_Click();
        g.Timer1_Timer();
    }
    ASSERT_EQ(g.RoundsSinceShuffle, 20);
    g.bnDeal_Click();  // no bet: asked to bet, no reshuffle
    EXPECT_EQ(Shown(g.Form1.Commentaire), "You must bet more to play or...borrow!");
    EXPECT_EQ(g.RoundsSinceShuffle, 20);
    EXPECT_LT(g.ShoeCardsLeft, kShoeSize);

    t.BetChips({10});
    const auto money = t.Money();
    g.bnDeal_Click();
    EXPECT_EQ(Shown(g.Form1.Commentaire), "Shuffling cards...Please wait!");
    EXPECT_EQ(g.RoundsSinceShuffle, 0);
    EXPECT_EQ(g.ShoeCardsLeft, kShoeSize);
    EXPECT_TRUE(!g.Form1.bnDeal.Enabled && g.Form1.Timer2.Enabled && SlotsEmpty(g.Form1));
    EXPECT_TRUE(g.Form1.bnClear.Enabled && g.Form1.ChipDraggable[0]);  // the bet may change
    EXPECT_EQ(t.Money(), money);

    g.Timer2_Timer();
    EXPECT_FALSE(g.Form1.Commentaire.Visible || g.Form1.Timer2.Enabled);
    EXPECT_TRUE(g.Form1.bnDeal.Enabled);
    t.Deal(10, 8, 10, 7);
    EXPECT_EQ(g.RoundsSinceShuffle, 1);
    EXPECT_EQ(Buttons(g), "Hit Stand Double");
}

TEST(CardFaces, FacesFollowSuitAndValueAndOnlyTheHoleCardTurns) {
    static_assert(CardFace(1, 1) == 101 && CardFace(2, 1) == 114 && CardFace(4, 13) == 152);
    Table t;
    t.BetChips({10});
    t.rng.Stack({7, 7, 10});  // two sevens of spades: two decks' copies in one round
    t.rng.Stack(7, 2);        // the seven of hearts in the hole
    t.game.bnDeal_Click();
    const Card &a = t.game.CardsOnTable[0], &b = t.game.CardsOnTable[1];
    EXPECT_TRUE(a.Suit == b.Suit && a.Value == b.Value && a.Deck != b.Deck);
    auto before = t.game.Form1.ImageCarte;
    EXPECT_EQ(before[0], CardFace(1, 7));
    EXPECT_EQ(before[12], CardFace(1, 10));
    EXPECT_EQ(before[kHoleCardSlot], kCardBack);
    t.game.bnStay_Click();  // the dealer holds 17 and draws nothing
    auto after = t.game.Form1.ImageCarte;
    EXPECT_EQ(after[kHoleCardSlot], CardFace(2, 7));
    after[kHoleCardSlot] = kCardBack;
    EXPECT_EQ(after, before);
    // The longest hand a dealer can hold (thirteen cards from aces and twos still draw) stays on
    // the table: from the fourteenth card on, the cards pile up at its right edge.
    for (int n = 1; n <= kDealerHandSize; ++n)
        EXPECT_LE(SlotPlace(DealerCardSlot(n)).Left + SlotPlace(0).Width, kTableWidth - 4) << n;
}

}  // namespace
}  // namespace vex::test
