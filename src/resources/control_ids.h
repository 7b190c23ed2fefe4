#pragma once

// Numeric identifiers of the dialog templates, their controls and the menu commands.
// They are part of the program's identity (tests and the window find controls by them),
// so they never change.
namespace korvane::ids {

// Templates, menu and icon.
inline constexpr int kMainTemplate = 1000;
inline constexpr int kDumpTemplate = 1020;
inline constexpr int kAboutTemplate = 103;
inline constexpr int kMainMenu = 1019;
inline constexpr int kProgramIcon = 102;

// Menu commands of the main window.
inline constexpr int kMenuExit = 107;
inline constexpr int kMenuAbout = 109;
inline constexpr int kMenuOpenLog = 2001;
inline constexpr int kMenuCloseLog = 2002;
inline constexpr int kMenuDumpMemory = 2003;
inline constexpr int kMenuChecksumFile = 2004;
// The graph windows, beyond the original menu.
inline constexpr int kMenuViewLog = 2005;
inline constexpr int kMenuGraph = 2006;
// The dashboard of large readouts.
inline constexpr int kMenuDashboard = 2007;
// Help > Check connection...
inline constexpr int kMenuCheckConnection = 2008;
// The definitions window.
inline constexpr int kMenuDefinitions = 2009;

// Controls of the main window (template 1000).
namespace main {
// Port row.
inline constexpr int kScanPorts = 3041;
inline constexpr int kPortCombo = 3001;
inline constexpr int kPortStatus = 3014;
inline constexpr int kGetRomId = 3006;
inline constexpr int kRomIdEdit = 3007;
// ROM ID.
inline constexpr int kRomIdCombo = 3015;
// Unit row: radio buttons in the order of the unit types.
inline constexpr int kUnitEcu = 3042;
inline constexpr int kUnitTcu = 3043;
inline constexpr int kUnitAircon = 3044;
inline constexpr int kUnit4ws = 3045;
inline constexpr int kUnitCruise = 3046;
// Read Memory group.
inline constexpr int kMemAddressEdit = 3009;
inline constexpr int kMemAddressUpDown = 3020;
inline constexpr int kModeBytes = 3053;
inline constexpr int kModeBlocks = 3054;
inline constexpr int kMemCountEdit = 3010;
inline constexpr int kMemCountUpDown = 3019;
inline constexpr int kMemRead = 3004;
inline constexpr int kMemStop = 3005;
inline constexpr int kMemClear = 3008;
inline constexpr int kMemRepeat = 3021;
inline constexpr int kMemList = 3003;
// Read Parameters group.
inline constexpr int kParamRepeat = 3022;
inline constexpr int kParamRead = 3017;
inline constexpr int kParamStop = 3018;
inline constexpr int kParamList = 3016;
// Switch rows: address box, value box, then the bit boxes from bit 0 to bit 7.
inline constexpr int kInputSwitchAddress = 3030;
inline constexpr int kInputSwitchValue = 3029;
inline constexpr int kInputSwitchBits[8] = {3011, 3012, 3013, 3024, 3025, 3026, 3027, 3028};
inline constexpr int kIoSwitchAddress = 3040;
inline constexpr int kIoSwitchValue = 3039;
inline constexpr int kIoSwitchBits[8] = {3031, 3032, 3033, 3034, 3035, 3036, 3037, 3038};
// Write Memory group.
inline constexpr int kWriteAddressEdit = 3055;
inline constexpr int kWriteAddressUpDown = 3048;
inline constexpr int kWriteDataEdit = 3056;
inline constexpr int kWrite = 3047;
inline constexpr int kWriteResult = 3057;
// Status line.
inline constexpr int kLogStatus = 3023;
} // namespace main

// Controls of the ROM dump dialog (template 1020). Some numbers repeat main-window
// numbers; they belong to another template.
namespace dump {
inline constexpr int kStart = 1;
inline constexpr int kExit = 2;
inline constexpr int kBrowse = 3;
inline constexpr int kOutputFile = 3012;
inline constexpr int kStartAddress = 3025;
inline constexpr int kBytesToRead = 3026;
inline constexpr int kPrefill = 3011;
inline constexpr int kUnitEcu = 3031;
inline constexpr int kUnitTcu = 3032;
inline constexpr int kStatus = 3024;
inline constexpr int kSummary = 3027;
inline constexpr int kTimes = 3028;
inline constexpr int kCurrentAddress = 3029;
inline constexpr int kResult = 3030;
// Added for long dumps: bytes done of bytes to read.
inline constexpr int kProgress = 3033;
} // namespace dump

// Controls of the About box (template 103).
namespace about {
inline constexpr int kOk = 1;
inline constexpr int kIcon = 101;
inline constexpr int kVersion = 105;
} // namespace about

} // namespace korvane::ids
