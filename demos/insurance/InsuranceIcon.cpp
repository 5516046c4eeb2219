#include "demos/insurance/InsuranceIcon.h"

namespace {

// A shield with a check mark.
const char* const kInsuranceIconXpm[] = {
"32 32 4 1",
". c None",
"b c #2F6DB5",
"o c #1B3F6B",
"w c #FFFFFF",
"................................",
"................................",
"................................",
"....oooooooooooooooooooooooo....",
"....oooooooooooooooooooooooo....",
"....oobbbbbbbbbbbbbbbbbbbboo....",
"....oobbbbbbbbbbbbbbbbbbbboo....",
"....oobbbbbbbbbbbbbbbbbbbboo....",
"....oobbbbbbbbbbbbbbbbwwbboo....",
"....oobbbbbbbbbbbbbbbwwwwboo....",
"....oobbbbbbbbbbbbbbbwwwwboo....",
"....oobbbbbbbbbbbbbbwwwwbboo....",
"....oobbbbbbbbbbbbbwwwwbbboo....",
"....oobbbbbbbbbbbbwwwwbbbboo....",
"....oobbwwbbbbbbbwwwwbbbbboo....",
"....oobwwwwbbbbbwwwwwbbbbboo....",
"....ooowwwwwbbbbwwwwbbbbbooo....",
"....ooobwwwwwbbwwwwbbbbbbooo....",
"....ooobbwwwwwwwwwbbbbbbbooo....",
"....ooobbbwwwwwwwbbbbbbbbooo....",
".....oobbbbwwwwwbbbbbbbbboo.....",
".....oobbbbbwwwwbbbbbbbbboo.....",
".....ooobbbbbwwbbbbbbbbbooo.....",
"......oobbbbbbbbbbbbbbbboo......",
"......ooobbbbbbbbbbbbbbooo......",
".......ooobbbbbbbbbbbbooo.......",
"........ooobbbbbbbbbbooo........",
".........ooobbbbbbbbooo.........",
"...........oobbbbbboo...........",
".............oobboo.............",
"................................",
"................................"
};

}  // namespace

wxIcon InsuranceIcon() {
    return wxIcon(kInsuranceIconXpm);
}
