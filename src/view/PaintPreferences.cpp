#include "view/PaintPreferences.h"

#include "view/QtText.h"

namespace vantro {

PaintSettings PaintSettingsFrom(const Settings& settings)
{
    PaintSettings paint;
    paint.AnnotationColour = settings.Color2;
    paint.HighlightColour = settings.Color3;
    paint.BackgroundColour = settings.FormColor;
    paint.Fineness = settings.Bunkatu;
    paint.ArcMode = settings.Os;
    paint.CurveFineness = settings.PejeValue;
    AnnotationSettings& a = paint.Annotations;
    a.Style = {settings.ArrowLength, settings.ArrowHeight, settings.DimRChk};
    a.ArrowOffset = settings.ArrowOffset;
    a.TextHeight = settings.Textheight;
    a.DimensionFace = ToQString(settings.DimTextName);
    a.TextFace = ToQString(settings.TextName);
    a.TextColour = settings.TextColor;
    a.Format = {settings.Precision, settings.Dim0Chk};
    a.LeaderTextOnExtension = settings.DimTextOfset;
    return paint;
}

}  // namespace vantro
