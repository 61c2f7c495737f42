#include "document/TextLimit.h"

#include "document/Cp932.h"

#include <algorithm>

namespace vantro {

bool CutToTextLimit(std::string& text)
{
    if (text.size() <= kMaxTextBytes) return false;
    text.resize(Cp932PrefixLength(text, kMaxTextBytes));
    return true;
}

int CutLongTexts(Drawing& drawing, int first)
{
    int cut = 0;
    for (int i = std::max(first, 1); i <= drawing.Count; ++i) {
        TCadData& element = drawing[i];
        if (CarriesText(element.Kind) && !IsCurve(element.Kind) && CutToTextLimit(element.Text)) ++cut;
    }
    if (cut > 0) ++drawing.Generation;
    return cut;
}

}  // namespace vantro
