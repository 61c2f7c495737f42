// What the element information dialog shows of the selection and how its "更新" changes the
// elements, and the real-time display of the element under the mouse. The dialog itself only shows
// these texts and hands back the user's choices.
#pragma once

#include "document/Drawing.h"

#include <string>

namespace vantro {

inline constexpr const char* kLockedLayerChangeMessage = "レイヤーロックが掛かっているレイヤー図形は変更出来ません。";

// The dialog's texts and controls when it opens. Texts are UTF-8 but for String (CP932).
struct PropertySummary {
    int Seen = 0;   // selected elements seen: 0 none, 1 one, 2 several
    int Index = 0;  // the first selected element
    std::string Caption = "要素情報";
    std::string CadMax;   // LabelcadMax
    std::string Number;   // LabelNo
    std::string Group;    // LabelGrp
    std::string Kind;     // Label_P
    std::string Start;    // Label_s
    std::string End;      // Label_e
    std::string Centre;   // Label_c
    std::string Radius;   // Label_R
    std::string Angle;    // Label_Q
    std::string AngleCaption = "円弧角";  // Label6
    uint32_t Colour = 0;
    int LineType = 0;  // ComboBox1 index
    int Layer = 1;     // ComboBox2: layer number
    bool ApplyColour = false;  // CheckBox1..3 checked
    bool ApplyLineType = false;
    bool ApplyLayer = false;
    bool ColourEnabled = true;
    bool LineTypeEnabled = true;
    bool ShowsString = false;  // Panel1 with Edit1
    bool ShowsHeight = false;  // SpinEdit1
    std::string String;
    int Height = 1;
};

PropertySummary SummariseSelection(const Drawing& drawing);

// What "更新" applies.
struct PropertyChanges {
    bool Colour = false;
    uint32_t ColourValue = 0;
    bool LineType = false;
    int LineTypeIndex = 0;
    bool Layer = false;
    int LayerValue = 1;
    bool String = false;  // Panel1 was shown: the string (and for a text the height) are taken
    std::string StringValue;
    int HeightValue = 1;
    bool Copies = false;  // " レイヤーコピー": changed copies are added instead
};

// "更新" as one undo step. Elements on locked layers are never changed (copies of them may be
// added); when one was left alone the user is told once. The selected flags are cleared.
void ApplyProperties(Drawing& drawing, UserDialogs& dialogs, const PropertySummary& summary,
                     const PropertyChanges& changes);

// "中止": the selection is dropped.
void CancelProperties(Drawing& drawing, const PropertySummary& summary);

// The real-time display: the kind name, the field captions and the values, one per line.
struct RealTimeText {
    std::string Kind = "-";
    std::string Captions;
    std::string Values;
};

RealTimeText RealTimeProperties(const TCadData* element);

// The secondary window's one-line read-out of an element: "<直線> 端点1(X… , Y…) …"; empty for kinds
// it does not describe.
std::string ElementInfoText(const TCadData& element);

}  // namespace vantro
