#include "ui/HelpContexts.h"

#include <algorithm>
#include <array>

namespace vantro {
namespace {

// Start codes that are their own help topic.
constexpr std::array kOwnTopic{15,  16,  17,  19,  21,  22,  23,  30,  34,  36,  39,  41,  44,  47,  49,
                               52,  55,  59,  100, 108, 116, 125, 159, 162, 166, 167, 171, 199, 200, 202,
                               206, 208, 215, 228, 229, 231, 234, 235, 238, 241, 243, 260, 296, 297, 300};

}  // namespace

int HelpContextFor(int mode)
{
    if (std::find(kOwnTopic.begin(), kOwnTopic.end(), mode) != kOwnTopic.end()) return mode;
    switch (mode) {
    case 32: case 64: return 32;
    case 150: case 153: case 156: return 156;
    case 211: case 213: return 211;
    case 220: case 223: return 220;
    case 224: case 226: return 224;
    case 250: case 255: return 250;
    case 252: case 257: return 252;
    default: return 0;
    }
}

}  // namespace vantro
