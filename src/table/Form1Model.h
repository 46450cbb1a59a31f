#pragma once

#include <array>
#include <cstdint>

#include "state/CardFaces.h"
#include "state/TableState.h"
#include "table/Controls.h"

namespace vex {

// Card slots the table can show: the 20 of the layout, and room for a dealer hand of up to
// 17 cards further along the dealer's row.
inline constexpr int kCardSlots = kTableSlots + (kDealerHandSize - 8);

// The chips of the rack, in the order 10, 50, 100, 500 (controls Image1, Image2, Image5, Image4).
inline constexpr int kChipCount = 4;
inline constexpr std::array<int, kChipCount> kChipValues{10, 50, 100, 500};

// Everything about the table window that play changes.
struct Form1Model {
    bool Visible = true;

    // Card slots: the number of the picture shown, kNoPicture when empty.
    std::array<std::int16_t, kCardSlots> ImageCarte{};

    // Whether each chip of the rack can be dragged onto the betting spot.
    std::array<bool, kChipCount> ChipDraggable{true, true, true, true};

    Control LabelMise{"0"};
    Control Label12{"Please bet..."};
    Control Commentaire{""};
    Control CommentaireGauche{"", false};
    Control CommentaireDroite{"", false};
    Control lblTotalBanque{"", false};
    Control lblTotalJoueur{"", false};
    Control lblTotalSplit{"", false};
    Control LabelCredit{"0"};

    Control bnDeal{"Deal"};
    Control bnClear{"Clear bet"};
    Control bnCard{"Hit", false};
    Control bnStay{"Stand", false};
    Control bnDouble{"Double", false};
    Control bnSplit{"Split", false};
    Control bnCardSplit{"Hit", false};
    Control bnStandSplit{"Stand", false};

    Timer Timer1{3000};
    Timer Timer2{3000};
    Timer Timer3{1000};
};

}  // namespace vex
