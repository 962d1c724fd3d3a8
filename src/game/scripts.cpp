// SPDX-License-Identifier: MIT
// scripts.cpp - the table of every script name the scenes and objects carry.
// The engine reaches scripts only through these names.
#include "game/scripts.h"

#include "game/scripts_common.h"

namespace {

struct ScriptRow {
    const char* name;
    ScriptFn fn;
};

// Cut-scenes and the credits need nothing on entry but a fresh clock.
constexpr ScriptRow kScripts[] = {
    {"EnterIntroCrash", enterIntroCrash},
    {"AlwaysIntroCrash", alwaysIntroCrash},
    {"EnterIntroCGA1", enterIntroCGA1},
    {"AlwaysIntroCGA1", alwaysIntroCGA1},
    {"EnterCredits", restartClock},
    {"AlwaysCredits", alwaysCredits},
    {"EnterMenu", enterMenu},
    {"AlwaysMenu", alwaysMenu},
    {"GoScriptMenuQuit", goScriptMenuQuit},
    {"EnterScheuneHinten", enterScheuneHinten},
    {"AlwaysScheuneHinten", alwaysScheuneHinten},
    {"USESCRIPT_Haken", useHaken},
    {"EnterScheuneVorne", enterScheuneVorne},
    {"AlwaysScheuneVorne", alwaysScheuneVorne},
    {"USESCRIPT_Maus", useMaus},
    {"USESCRIPT_Schloss", useSchloss},
    {"EnterScheuneFern", enterScheuneFern},
    {"AlwaysScheuneFern", alwaysScheuneFern},
    {"TAKESCRIPT_Hut", takeHut},
    {"EnterScheuneInnen", enterScheuneInnen},
    {"AlwaysScheuneInnen", alwaysScheuneInnen},
    {"USESCRIPT_LaufbandScheune", useLaufbandScheune},
    {"EnterFarmhaus", enterFarmhaus},
    {"AlwaysFarmhaus", alwaysFarmhaus},
    {"EnterFarmhausHinten", enterFarmhausHinten},
    {"AlwaysFarmhausHinten", alwaysFarmhausHinten},
    {"USESCRIPT_CryGirl", useCryGirl},
    {"EnterKreuzung", enterKreuzung},
    {"AlwaysKreuzung", alwaysKreuzung},
    {"USESCRIPT_Freak", useFreak},
    {"EnterFitnessStudioAussen", enterFitnessStudioAussen},
    {"AlwaysFitnessStudioAussen", alwaysFitnessStudioAussen},
    {"EnterFitnessStudioInnen", enterFitnessStudioInnen},
    {"AlwaysFitnessStudioInnen", alwaysFitnessStudioInnen},
    {"USESCRIPT_Studiogirl", useStudiogirl},
    {"EnterTrainingsraum", enterTrainingsraum},
    {"AlwaysTrainingsraum", alwaysTrainingsraum},
    {"USESCRIPT_LaufbandStudio", useLaufbandStudio},
    {"USESCRIPT_Fatman", useFatman},
    {"EnterToilette", enterToilette},
    {"AlwaysToilette", alwaysToilette},
    {"USESCRIPT_Toilette", useToilette},
    {"EnterHausAlteDame", enterHausAlteDame},
    {"AlwaysHausAlteDame", alwaysHausAlteDame},
    {"USESCRIPT_AlteDame", useAlteDame},
    {"EnterSchule", enterSchule},
    {"AlwaysSchule", alwaysSchule},
    {"TAKESCRIPT_Brot", takeBrot},
    {"USESCRIPT_TicketstandKid", useTicketstandKid},
    {"EnterSchulparty", enterSchulparty},
    {"AlwaysSchulparty", alwaysSchulparty},
    {"USESCRIPT_Knoblauch", useKnoblauch},
    {"TAKESCRIPT_Cheese", takeCheese},
    {"EnterFatmanEatingSequenz", restartClock},
    {"AlwaysFatmanEatingSequenz", alwaysFatmanEatingSequenz},
    {"EnterToiletteVerstopftSequenz", restartClock},
    {"AlwaysToiletteVerstopftSequenz", alwaysToiletteVerstopftSequenz},
    {"EnterBenutzeLaufbandSequenz", enterBenutzeLaufbandSequenz},
    {"AlwaysBenutzeLaufbandSequenz", alwaysBenutzeLaufbandSequenz},
    {"EnterStudiogirlBurgerSequenz", restartClock},
    {"AlwaysStudiogirlBurgerSequenz", alwaysStudiogirlBurgerSequenz},
    {"EnterFarmhausSequenz", enterFarmhausSequenz},
    {"AlwaysFarmhausSequenz", alwaysFarmhausSequenz},
    {"EnterBurbSequenz", restartClock},
    {"AlwaysBurbSequenz", alwaysBurbSequenz},
};

}  // namespace

void registerScripts(GameState& gs) {
    for (const ScriptRow& row : kScripts) registerCallback(gs, row.name, row.fn);
}
