// The help window's topics and their texts.
#include "dialogs/DialogModels.h"

namespace vex {

const std::array<HelpTopic, 10> kHelpTopics{{
    {"Label2", "General Rules", 72, 97,
     "Your goal is to get as close to 21 as possible without busting (going over) and, of course "
     "to have a better total than the dealer. If you have an ace and a figure or a ten as your "
     "two first cards, then you have BLACKJACK!"},
    {"Label1", "Placing a bet and start", 104, 153,
     "Click on a chip, drag and drop it in the central big chip. Repeat this action until you "
     "reach the desired bet amount. Then press the DEAL button."},
    {"Label7", "Cards Value", 136, 89,
     "All figures are worth ten, all others are worth their indicated value, excepted the ace. "
     "The ace is worth eleven, unless the previous total was over ten. In this case, the ace is "
     "worth only one. "},
    {"Label8", "Payoffs", 168, 57,
     "If you win, you get back twice your bet. If you have a BlackJack, you get 5/2 times your "
     "bet. If you push (same total as the dealer), you get back your bet. If you loose, your bet "
     "is for the casino!"},
    {"Label3", "Doubling down", 200, 113,
     "After you get your two first cards, you can double down your bet to earn more, but the "
     "dealer will give you only one more card. You may double if your two first cards totalize "
     "ten or eleven."},
    {"Label4", "Splitting", 232, 65,
     "If your two first cards have the same value (must be the same figures also, e.g. two jacks "
     "but not a jack and a king), you can split your hand in two (it will automatically double "
     "your bet). Then you play each hand separately as usual."},
    {"Label5", "Insurance", 264, 65,
     "If the dealer has an ace showing, you can buy insurance. If the dealer has a BlackJack (and "
     "you don't), you will get twice the amount of the insurance you have bought but loose your "
     "regular bet. If not, you loose the insurance but keep on playing the current hand."},
    {"Label9", "6 cards drawn", 296, 105,
     "If you draw six cards without busting (going over 21), you win whatever the total of the "
     "dealer."},
    {"Label6", "Borrowing", 328, 65,
     "Anytime, you can borrow money using a check of the 'LOAN SHARK CREDIT BANK', but be "
     "careful, if you owe them over 25000 $ and try to get more, you will have some problems."},
    {"Label10", "Default Settings", 360, 113,
     "On this table, you play BlackJack with 6 decks. The default table limits are min 10 $ and "
     "max 500 $ and insurance max equals half of the current bet. You can change these last two "
     "parameters by clicking the 'Settings' submenu in the 'Game' menu."},
}};

}  // namespace vex
