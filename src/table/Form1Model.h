#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "state/CardFaces.h"
#include "state/TableState.h"
#include "table/Controls.h"

namespace vex {

// Card slots the table can show: the 20 of the layout, and room for a dealer hand of up to
// 17 cards further along the dealer's row.
inline constexpr int kCardSlots = kTableSlots + (kDealerHandSize - 8);

// The chips of the rack, in the order 10, 50, 100, 500.
struct ChipDecl {
    std::string_view Name;
    int Value;
    std::string_view Tag;  // what a drag of the chip carries
    Place Where;
};
inline constexpr int kChipCount = 4;
inline constexpr std::array<ChipDecl, kChipCount> kChips{{
    {"Image1", 10, "10", {40, 264, 51, 51}},
    {"Image2", 50, "50", {96, 264, 50, 51}},
    {"Image5", 100, "100", {40, 320, 51, 51}},
    {"Image4", 500, "500", {96, 320, 50, 51}},
}};

// What a control of the table is, which also says how it looks.
enum class ControlKind { Bet, Prompt, Comment, Outcome, Total, Credit, Button, BigButton };

// Every control of the table window that play changes, declared once, in table order:
//   name, kind, left, top, width, height (pixels), starting caption, shown at start, and a line
//   about it (a label's description for screen readers, a button's tooltip with its key).
// The model below, the window's widgets, their accessible descriptions and the tests are all
// made from these two lists. A button's click runs Game::<name>_Click.
// clang-format off
#define VEX_FORM1_LABELS(X)                                                                              \
    X(LabelMise,         Bet,     304, 368,  49, 25, "0",             true,  "Your bet in dollars")      \
    X(Label12,           Prompt,    8, 224, 201, 33, "Please bet...", true,  "")                         \
    X(Commentaire,       Comment, 256, 184, 417, 22, "",              true,  "The dealer's comment")     \
    X(CommentaireGauche, Outcome, 256, 296, 153, 17, "",              false, "Your hand's result")       \
    X(CommentaireDroite, Outcome, 480, 296, 153, 17, "",              false, "Your split hand's result") \
    X(lblTotalBanque,    Total,   216, 184,  25, 17, "",              false, "Dealer's total")           \
    X(lblTotalJoueur,    Total,   216, 296,  25, 17, "",              false, "Your total")               \
    X(lblTotalSplit,     Total,   440, 296,  25, 17, "",              false, "Your split hand's total")  \
    X(LabelCredit,       Credit,  560, 448,  81, 25, "0",             true,  "Your credit in dollars")
#define VEX_FORM1_BUTTONS(X)                                                                             \
    X(bnDeal,       BigButton, 288, 448, 89, 33, "Deal",      true,  "Deal (Enter)")                     \
    X(bnClear,      Button,     48, 384, 89, 25, "Clear bet", true,  "Clear bet (C)")                    \
    X(bnCard,       Button,    440, 344, 73, 25, "Hit",       false, "Hit (H)")                          \
    X(bnStay,       Button,    440, 384, 73, 25, "Stand",     false, "Stand (S)")                        \
    X(bnDouble,     Button,    528, 344, 73, 25, "Double",    false, "Double (D)")                       \
    X(bnSplit,      Button,    528, 384, 73, 25, "Split",     false, "Split (P)")                        \
    X(bnCardSplit,  Button,    440, 344, 73, 25, "Hit",       false, "Hit (H)")                          \
    X(bnStandSplit, Button,    440, 384, 73, 25, "Stand",     false, "Stand (S) / Finish (F)")
// clang-format on

// Everything about the table window that play changes.
struct Form1Model {
    bool Visible = true;

    // Card slots: the number of the picture shown, kNoPicture when empty.
    std::array<std::int16_t, kCardSlots> ImageCarte{};

    // Whether each chip of the rack can be dragged onto the betting spot.
    std::array<bool, kChipCount> ChipDraggable{true, true, true, true};

#define VEX_MODEL_CONTROL(name, kind, left, top, width, height, caption, visible, about) \
    Control name{caption, visible};
    VEX_FORM1_LABELS(VEX_MODEL_CONTROL)
    VEX_FORM1_BUTTONS(VEX_MODEL_CONTROL)
#undef VEX_MODEL_CONTROL

    // The three pauses of a round, each started by the phase that waits on it.
    Timer Timer1{3000};  // after a round is paid: its tick clears the table for the next bet
    Timer Timer2{3000};  // after Deal reshuffled the shoe: its tick gives Deal back
    Timer Timer3{1000};  // after the left hand of a split: its tick deals the right hand
};

// The two lists as data, for code that goes through every control.
struct ControlDecl {
    std::string_view Name;
    ControlKind Kind;
    Place Where;
    std::string_view Caption;
    bool Visible;
    std::string_view About;
    Control Form1Model::*Member;
};
#define VEX_CONTROL_DECL(name, kind, left, top, width, height, caption, visible, about) \
    ControlDecl{#name, ControlKind::kind, {left, top, width, height}, caption, visible, \
                about, &Form1Model::name},
inline constexpr ControlDecl kForm1Labels[] = {VEX_FORM1_LABELS(VEX_CONTROL_DECL)};
inline constexpr ControlDecl kForm1Buttons[] = {VEX_FORM1_BUTTONS(VEX_CONTROL_DECL)};
#undef VEX_CONTROL_DECL

}  // namespace vex
