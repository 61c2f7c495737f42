// The step codes of CommandMode, each named once. A command starts at the number of its tool button
// and moves on through the codes that follow; the numbers are part of the program's help contexts and
// of what panel 3 shows, so they are written out here.
#pragma once

#include <cstdint>

namespace vantro::step {

// Not commands: idle, and the view and print operations that take the mouse.
inline constexpr uint16_t kIdle = 0;
inline constexpr uint16_t kPrintPlacement = 7;
inline constexpr uint16_t kZoomWindow = 10;
inline constexpr uint16_t kPan = 11;

// Lines.
inline constexpr uint16_t kHorizontalLine = 15;
inline constexpr uint16_t kVerticalLine = 16;
inline constexpr uint16_t kLineFirstPoint = 17;
inline constexpr uint16_t kLineSecondPoint = 18;
inline constexpr uint16_t kContinuousLineFirst = 19;
inline constexpr uint16_t kContinuousLineNext = 20;
inline constexpr uint16_t kPoint = 21;
inline constexpr uint16_t kAngleLine = 22;
inline constexpr uint16_t kAngleLineBase = 23;
inline constexpr uint16_t kAngleLineSecond = 24;
inline constexpr uint16_t kAngleLineAngle = 25;

// Circles and arcs.
inline constexpr uint16_t kCircleCentre = 30;
inline constexpr uint16_t kCircleRadius = 31;
inline constexpr uint16_t kTangentCircleFirst = 32;
inline constexpr uint16_t kTangentCircleSecond = 33;
inline constexpr uint16_t kCircle2PointsFirst = 34;
inline constexpr uint16_t kCircle2PointsSecond = 35;
inline constexpr uint16_t kCircle3PointsFirst = 36;
inline constexpr uint16_t kCircle3PointsSecond = 37;
inline constexpr uint16_t kCircle3PointsThird = 38;
inline constexpr uint16_t kTangent3First = 59;
inline constexpr uint16_t kTangent3Second = 60;
inline constexpr uint16_t kTangent3Third = 61;
inline constexpr uint16_t kTangentArcFirst = 64;
inline constexpr uint16_t kTangentArcSecond = 65;
inline constexpr uint16_t kArcBetweenLinesRadius = 66;
inline constexpr uint16_t kArcBetweenLinesFirst = 243;
inline constexpr uint16_t kArcBetweenLinesSecond = 244;

// Rectangles, polygons, curves, ellipses.
inline constexpr uint16_t kRectangleFirst = 39;
inline constexpr uint16_t kRectangleSecond = 40;
inline constexpr uint16_t kPolygonBySide = 41;
inline constexpr uint16_t kPolygonBySideCentre = 42;
inline constexpr uint16_t kPolygonBySideSize = 43;
inline constexpr uint16_t kPolygonByVertex = 44;
inline constexpr uint16_t kPolygonByVertexCentre = 45;
inline constexpr uint16_t kPolygonByVertexSize = 46;
inline constexpr uint16_t kCurveFirst = 47;
inline constexpr uint16_t kCurveNext = 48;
inline constexpr uint16_t kEllipseByEndsFirst = 49;
inline constexpr uint16_t kEllipseByEndsSecond = 50;
inline constexpr uint16_t kEllipseByEndsHeight = 51;
inline constexpr uint16_t kEllipseByCentre = 52;
inline constexpr uint16_t kEllipseByCentreAxis = 53;
inline constexpr uint16_t kEllipseByCentreHeight = 54;

// Fill and hatching.
inline constexpr uint16_t kHatch = 55;
inline constexpr uint16_t kFill = 228;

// Move, mirror, rotate, scale: the selection step, the confirmed window, then the steps after.
inline constexpr uint16_t kMoveSelect = 100;
inline constexpr uint16_t kMoveWindow = 101;
inline constexpr uint16_t kMoveBase = 102;
inline constexpr uint16_t kMoveDestination = 103;
inline constexpr uint16_t kMoveCopySelect = 104;
inline constexpr uint16_t kMoveCopyWindow = 105;
inline constexpr uint16_t kMoveCopyBase = 106;
inline constexpr uint16_t kMoveCopyDestination = 107;
inline constexpr uint16_t kMoveCopyCount = 99;
inline constexpr uint16_t kMirrorSelect = 108;
inline constexpr uint16_t kMirrorWindow = 109;
inline constexpr uint16_t kMirrorAxisStart = 110;
inline constexpr uint16_t kMirrorAxisEnd = 111;
inline constexpr uint16_t kMirrorCopySelect = 112;
inline constexpr uint16_t kMirrorCopyWindow = 113;
inline constexpr uint16_t kMirrorCopyAxisStart = 114;
inline constexpr uint16_t kMirrorCopyAxisEnd = 115;
inline constexpr uint16_t kRotateSelect = 116;
inline constexpr uint16_t kRotateWindow = 117;
inline constexpr uint16_t kRotateCentre = 118;
inline constexpr uint16_t kRotateAngle = 119;
inline constexpr uint16_t kRotateCopySelect = 120;
inline constexpr uint16_t kRotateCopyWindow = 121;
inline constexpr uint16_t kRotateCopyCentre = 122;
inline constexpr uint16_t kRotateCopyAngle = 123;
inline constexpr uint16_t kRotateCopyCount = 124;
inline constexpr uint16_t kScaleSelect = 125;
inline constexpr uint16_t kScaleWindow = 126;
inline constexpr uint16_t kScaleBase = 127;
inline constexpr uint16_t kScaleFactor = 128;

// Part files and inserted images.
inline constexpr uint16_t kPartSaveSelect = 130;
inline constexpr uint16_t kPartSaveWindow = 131;
inline constexpr uint16_t kImagePick = 132;
inline constexpr uint16_t kImagePlace = 133;
inline constexpr uint16_t kImageDelete = 134;
inline constexpr uint16_t kImageResizePick = 135;
inline constexpr uint16_t kImageResize = 136;

// Dimensions and coordinate annotations.
inline constexpr uint16_t kHorizontalDimension = 150;
inline constexpr uint16_t kHorizontalDimensionSecond = 151;
inline constexpr uint16_t kHorizontalDimensionPosition = 152;
inline constexpr uint16_t kVerticalDimension = 153;
inline constexpr uint16_t kVerticalDimensionSecond = 154;
inline constexpr uint16_t kVerticalDimensionPosition = 155;
inline constexpr uint16_t kAlignedDimension = 156;
inline constexpr uint16_t kAlignedDimensionSecond = 157;
inline constexpr uint16_t kAlignedDimensionPosition = 158;
inline constexpr uint16_t kCoordinate = 159;
inline constexpr uint16_t kCoordinateKnee = 160;
inline constexpr uint16_t kCoordinatePosition = 161;
inline constexpr uint16_t kRelativeValues = 162;
inline constexpr uint16_t kRelativeValuesPosition = 163;
inline constexpr uint16_t kRelativeValuesNext = 164;
inline constexpr uint16_t kRelativeValuesNewPosition = 165;
inline constexpr uint16_t kOriginChange = 166;
inline constexpr uint16_t kBaseCoordinate = 167;
inline constexpr uint16_t kBaseCoordinatePoint = 168;
inline constexpr uint16_t kBaseCoordinateKnee = 169;
inline constexpr uint16_t kBaseCoordinatePosition = 170;
inline constexpr uint16_t kLeaderText = 171;
inline constexpr uint16_t kLeaderTextKnee = 172;
inline constexpr uint16_t kLeaderTextPosition = 173;
inline constexpr uint16_t kRadiusDimension = 250;
inline constexpr uint16_t kRadiusDimensionPosition = 251;
inline constexpr uint16_t kRadiusLeader = 252;
inline constexpr uint16_t kRadiusLeaderKnee = 253;
inline constexpr uint16_t kRadiusLeaderPosition = 254;
inline constexpr uint16_t kDiameterDimension = 255;
inline constexpr uint16_t kDiameterDimensionPosition = 256;
inline constexpr uint16_t kDiameterLeader = 257;
inline constexpr uint16_t kDiameterLeaderKnee = 258;
inline constexpr uint16_t kDiameterLeaderPosition = 259;
inline constexpr uint16_t kAngleDimension = 260;
inline constexpr uint16_t kAngleDimensionSecond = 261;
inline constexpr uint16_t kAngleDimensionPosition = 262;

// Editing.
inline constexpr uint16_t kPartialDelete = 199;
inline constexpr uint16_t kOffset = 200;
inline constexpr uint16_t kOffsetSide = 201;
inline constexpr uint16_t kTangentLineFirst = 202;
inline constexpr uint16_t kTangentLineSecond = 203;
inline constexpr uint16_t kExtend = 206;
inline constexpr uint16_t kExtendTarget = 207;
inline constexpr uint16_t kTrimSelect = 208;
inline constexpr uint16_t kTrimWindow = 209;
inline constexpr uint16_t kTrimPiece = 210;
inline constexpr uint16_t kFillet = 211;
inline constexpr uint16_t kFilletSecond = 212;
inline constexpr uint16_t kChamfer = 213;
inline constexpr uint16_t kChamferSecond = 214;
inline constexpr uint16_t kBreak = 215;
inline constexpr uint16_t kBreakBoundary = 216;
inline constexpr uint16_t kGroupCreate = 220;
inline constexpr uint16_t kGroupCreateWindow = 221;
inline constexpr uint16_t kGroupDissolve = 223;
inline constexpr uint16_t kGroupAdd = 224;
inline constexpr uint16_t kGroupAddMember = 225;
inline constexpr uint16_t kGroupRemove = 226;
inline constexpr uint16_t kChainOffset = 229;
inline constexpr uint16_t kChainOffsetSide = 230;
inline constexpr uint16_t kOffsetBothSides = 231;
inline constexpr uint16_t kCircleCentreLines = 232;
inline constexpr uint16_t kHalve = 234;
inline constexpr uint16_t kCentreLine = 235;
inline constexpr uint16_t kContinuousTrim = 238;
inline constexpr uint16_t kContinuousTrimNext = 239;
inline constexpr uint16_t kCurveToLines = 240;
inline constexpr uint16_t kMiddleLine = 241;
inline constexpr uint16_t kMiddleLineSecond = 242;
inline constexpr uint16_t kDivide = 246;
inline constexpr uint16_t kIntersectionPoints = 247;
inline constexpr uint16_t kIntersectionPointsSecond = 248;
inline constexpr uint16_t kChainCheck = 249;

// Free selection, the text, properties and delete.
inline constexpr uint16_t kFreeSelection = 292;
inline constexpr uint16_t kFreeSelectionWindow = 293;
inline constexpr uint16_t kText = 296;
inline constexpr uint16_t kPropertiesSelect = 297;
inline constexpr uint16_t kPropertiesWindow = 298;
inline constexpr uint16_t kDeleteSelect = 300;
inline constexpr uint16_t kDeleteWindow = 301;

}  // namespace vantro::step
