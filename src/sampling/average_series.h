#pragma once

namespace kirv {

// The checked item of the meter menu "Vitesse Moyenne".
enum class AverageChoice { kAucun, kReception, kEnvoi };

// The history field the average line follows: In1 unless "Envoi" is checked. Drawn only when
// "Aucun" is not checked.
enum class AverageSeries { kIn1, kOut1 };

}  // namespace kirv
