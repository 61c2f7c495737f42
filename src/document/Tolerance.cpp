#include "document/Tolerance.h"

namespace vantro {
namespace {
// The single global of the program: the settings set it, the geometry reads it.
float gEps = kInitialEps;
}  // namespace

double Eps() { return static_cast<double>(gEps); }
void SetEps(float tolerance) { gEps = tolerance; }

}  // namespace vantro
