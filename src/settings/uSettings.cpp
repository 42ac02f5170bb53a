#include "settings/uSettings.h"

namespace {

// Creates and loads the object when it does not exist yet.
template <typename T, typename Load> void BringUp(std::unique_ptr<T>& object, Load load) {
    if (object)
        return;
    object = std::make_unique<T>();
    load(*object);
}

} // namespace

void InitOptions() {
    BringUp(Options, [](TArOptions& o) {
        o.LoadCharacteristics();
        o.LoadSongCategories();
    });
    BringUp(TimeRanges, [](TArTimeRanges& o) { o.Load(); });
    BringUp(FreqGroups, [](TArFreqGroups& o) { o.Load(); });
    BringUp(DisabledLabels, [](TArDisabledLabels& o) { o.Load(); });
    BringUp(Separations, [](TArSeparations& o) { o.Load(); });
    BringUp(DrawSettings, [](TArDrawSettings& o) { o.Load(); });
    LoadConfig(Config);
}

void DoneOptions() {
    if (Options) {
        Options->SaveOptions(false);
        Options.reset();
    }
    if (TimeRanges) {
        TimeRanges->SaveAtExit(); // written at every exit, changed or not
        TimeRanges.reset();
    }
    // These write only when changed.
    if (FreqGroups) {
        FreqGroups->Save();
        FreqGroups.reset();
    }
    if (DisabledLabels) {
        DisabledLabels->Save();
        DisabledLabels.reset();
    }
    if (Separations) {
        Separations->Save();
        Separations.reset();
    }
    if (DrawSettings) {
        DrawSettings->Save();
        DrawSettings.reset();
    }
}
