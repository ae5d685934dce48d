// Key, mouse-button and scroll-bar codes as the view's input rules name them. The values are
// those of the Windows virtual-key, MK_ and SB_ codes, so the window passes its messages'
// codes straight through; other platforms map onto them.
#pragma once

// Virtual-key codes.
constexpr int KeyBackspace = 0x08;
constexpr int KeyTab = 0x09;
constexpr int KeyEnter = 0x0D;
constexpr int KeyShift = 0x10;
constexpr int KeyControl = 0x11;
constexpr int KeyAlt = 0x12;
constexpr int KeyEscape = 0x1B;
constexpr int KeyPageUp = 0x21;
constexpr int KeyPageDown = 0x22;
constexpr int KeyEnd = 0x23;
constexpr int KeyHome = 0x24;
constexpr int KeyLeft = 0x25;
constexpr int KeyUp = 0x26;
constexpr int KeyRight = 0x27;
constexpr int KeyDown = 0x28;
constexpr int KeyInsert = 0x2D;
constexpr int KeyDelete = 0x2E;
constexpr int KeyLeftButton = 0x01;  // the physical state of the (unswapped) primary button

// Modifier set of a key message, read from the key state when it arrives.
constexpr int ModShift = 1;
constexpr int ModCtrl = 2;
constexpr int ModAlt = 4;

// Button and modifier flags of a mouse message (MK_ values).
constexpr int MouseLeft = 0x0001;
constexpr int MouseRight = 0x0002;
constexpr int MouseShift = 0x0004;
constexpr int MouseCtrl = 0x0008;
constexpr int MouseMiddle = 0x0010;
constexpr int MouseX1 = 0x0020;
constexpr int MouseX2 = 0x0040;

// Scroll-bar request codes (SB_ values).
constexpr int ScrollLineUp = 0;
constexpr int ScrollLineDown = 1;
constexpr int ScrollPageUp = 2;
constexpr int ScrollPageDown = 3;
constexpr int ScrollThumbPosition = 4;
constexpr int ScrollThumbTrack = 5;

// Dialog codes (DLGC_ values) the view answers WM_GETDLGCODE with.
constexpr int DialogWantArrows = 0x0001;
constexpr int DialogWantAllKeys = 0x0004;
constexpr int DialogWantChars = 0x0080;

// System colours (COLOR_ indices) the painting rules use.
constexpr int SystemColourWindow = 5;
constexpr int SystemColourHighlight = 13;
constexpr int SystemColourHighlightText = 14;
constexpr int SystemColourButtonFace = 15;
constexpr int SystemColourButtonShadow = 16;

// The wheel setting "scroll one page per notch".
constexpr unsigned WheelScrollsPage = 0xFFFFFFFFu;
