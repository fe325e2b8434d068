#pragma once

namespace dw::command {

// The menu's command ids. The filters' ids live in their own table (filters/filter_commands.h).
inline constexpr int kNew = 1000;
inline constexpr int kOpen = 1001;
inline constexpr int kSave = 1002;
inline constexpr int kExportImage = 1004;
inline constexpr int kImportImage = 1005;
inline constexpr int kPageSetup = 1006;
inline constexpr int kPrint = 1007;
inline constexpr int kExit = 1009;

// The Window menu's items, 1100 to 1103, are in the panels' rows (panels/panel_registry.cpp).

inline constexpr int kUndo = 1200;
inline constexpr int kRedo = 1201;
// Edit > Pen Pressure: Off, Size, Amount, Size and Amount, in the order of PressureMode.
inline constexpr int kPressureFirst = 1210;
inline constexpr int kPressureLast = 1213;
inline constexpr int kContinuousStrokes = 1214;
inline constexpr int kUndoSteps = 1215;
inline constexpr int kLighting = 1252;
// 25%, 50%, 100%, 200%, 300%, 400%.
inline constexpr int kZoomFirst = 1258;
inline constexpr int kZoomLast = 1263;
inline constexpr int kZoomHundred = 1260;
inline constexpr float kZoomFactors[] = {0.25f, 0.5f, 1.0f, 2.0f, 3.0f, 4.0f};
inline constexpr int kImageSize = 1280;

inline constexpr int kAbout = 1400;
inline constexpr int kHelp = 1401;
inline constexpr int kWebSite = 1403;

}  // namespace dw::command
