#pragma once

#include <array>

#include "common/texts.h"

namespace kirv {

// The periods of the "Graphique :" list, by item index.
inline constexpr int kDay = 0;
inline constexpr int kWeek = 1;
inline constexpr int kMonth = 2;
inline constexpr int kYear = 3;

// French sources: shown through the catalogues, kept as they are in snapshot file names.
inline constexpr std::array<const char*, 4> kPeriodNames = {
    KIRV_TEXT("kirv", "Journée"), KIRV_TEXT("kirv", "Semaine"), KIRV_TEXT("kirv", "Mois"),
    KIRV_TEXT("kirv", "Année")};

inline constexpr int kSlotSeconds = 300;  // one archive record: a five-minute period

// Seconds that one pixel column covers: 300, 1800, 7200 or 86400. An index outside the list
// gives the span of "Journée".
int ColumnSpanOf(int period);

}  // namespace kirv
