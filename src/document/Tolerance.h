// The one process-wide geometric tolerance. It is a single-precision value and is always
// compared in that precision (0.001 reads as 0.0010000000474974513).
#pragma once

namespace vantro {

// The value before the settings have been read.
inline constexpr float kInitialEps = 0.0001f;

// The tolerances the settings offer, by their index 0..6 (key "Eps", default index 3).
inline constexpr float kEpsChoices[] = {0.1f, 0.01f, 0.003f, 0.001f, 0.0001f, 0.00001f, 0.000001f};
inline constexpr int kDefaultEpsIndex = 3;

double Eps();
void SetEps(float tolerance);

}  // namespace vantro
