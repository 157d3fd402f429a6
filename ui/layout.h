// Geometry, styles, fonts and colours of the main window, as plain data, so
// that the Win32 code and its tests read one table. Portable: no windows.h.
#pragma once

// Client area the layout is drawn for, and the fixed tracking size.
constexpr int kClientWidth = 1020;
constexpr int kClientHeight = 720;
constexpr int kTrackWidth = 1036;
constexpr int kTrackHeight = 780;

struct LayoutRect {
    int x;
    int y;
    int width;
    int height;
};

// Window styles as numbers; the Win32 side checks them against the macros.
constexpr unsigned kMainWindowStyle = 0x00CA0000u;  // caption, system menu, minimize
constexpr unsigned kInputLabelStyle = 0x50000002u;  // child, visible, right-aligned static
constexpr unsigned kInputEditStyle = 0x50000080u;   // child, visible, auto h-scroll
constexpr unsigned kPlainStaticStyle = 0x50000000u; // child, visible, left-aligned
constexpr unsigned kResultBoxStyle = 0x50200844u;   // v-scroll, multi-line, read-only
constexpr unsigned kButtonStyle = 0x5000000Bu;      // child, visible, owner-drawn

// Control ids.
constexpr int kIdFirstInputEdit = 2000;
constexpr int kIdResultBox = 3000;

// Input row i: its top and the three controls of the row.
constexpr int input_row_y(int i) { return 150 + 34 * i; }
constexpr LayoutRect input_label_rect(int i) { return {24, input_row_y(i) + 1, 184, 22}; }
constexpr LayoutRect input_edit_rect(int i) { return {216, input_row_y(i) - 4, 152, 27}; }
constexpr LayoutRect unit_label_rect(int i) { return {374, input_row_y(i), 78, 22}; }

constexpr LayoutRect kVerdictRect = {492, 142, 492, 46};
constexpr LayoutRect kResultBoxRect = {492, 196, 492, 232};
constexpr LayoutRect kNoteRect = {492, 444, 492, 120};
constexpr LayoutRect kBasisRect = {492, 576, 492, 56};

// The bottom bar's buttons, in creation order.
struct ButtonSpec {
    int id;
    LayoutRect rect;
};
constexpr ButtonSpec kButtons[] = {
    {1001, {20, 668, 152, 40}},  {1002, {184, 668, 132, 40}}, {1003, {328, 668, 132, 40}},
    {1004, {472, 668, 132, 40}}, {1005, {616, 668, 110, 40}},
};

// The eight fonts, in creation order.
enum FontIndex { kTitleFont, kHeaderFont, kLabelFont, kEditFont, kVerdictFont, kResultFont,
                 kButtonFont, kSmallFont, kFontCount };
struct FontSpec {
    int character_height;
    int weight;
    const char16_t* face;
};
inline constexpr char16_t kUiFace[] = u"Microsoft YaHei UI";
inline constexpr char16_t kMonoFace[] = u"Consolas";
constexpr FontSpec kFonts[kFontCount] = {
    {27, 700, kUiFace}, {14, 400, kUiFace}, {14, 400, kUiFace}, {15, 400, kUiFace},
    {21, 700, kUiFace}, {15, 400, kMonoFace}, {15, 400, kUiFace}, {12, 400, kUiFace},
};

// Colours as 0xRRGGBB.
constexpr unsigned kPageColour = 0xF4F7F9;
constexpr unsigned kHeaderColour = 0x006C96;  // also the section titles
constexpr unsigned kAccentColour = 0x0084B0;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kSubtitleColour = 0xD6ECF6;
constexpr unsigned kWebAddressColour = 0xBEDCEB;
constexpr unsigned kPanelOutlineColour = 0xDAE2E8;
constexpr unsigned kUnderlineColour = 0xE4EAEE;
constexpr unsigned kBottomBarColour = 0xECF1F4;
constexpr unsigned kMutedTextColour = 0x78848E;
constexpr unsigned kTextColour = 0x2C3842;
constexpr unsigned kCalculateFill = 0x007AA8;
constexpr unsigned kCalculatePressedFill = 0x00648A;
constexpr unsigned kCalculateOutline = 0x006A94;
constexpr unsigned kPlainPressedFill = 0xE2EAF0;
constexpr unsigned kPlainOutline = 0xCED8E0;

// The verdict's text colour by level; any unknown level shows as normal.
constexpr unsigned verdict_colour(int level) {
    switch (level) {
    case 1: return 0xB08400;
    case 2: return 0xD66C00;
    case 3: return 0xBE1E2D;
    default: return 0x008060;
    }
}

struct WindowPosition {
    int x;
    int y;
};

// Centred on the screen, never at a negative coordinate.
constexpr WindowPosition centred_position(int screen_width, int screen_height, int width,
                                          int height) {
    const int x = (screen_width - width) / 2;
    const int y = (screen_height - height) / 2;
    return {x < 0 ? 0 : x, y < 0 ? 0 : y};
}
