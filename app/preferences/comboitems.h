#pragma once

// What the form's combo boxes hold: how many items each has (from the preferences'
// HSample and HMode lists) decides which "M" lines the form can take.
struct ComboItems {
    int sampleRates = 3;
    int wavTypes = 3;
};
