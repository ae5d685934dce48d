// Where a printed page puts its header line and its text, in printer pixels, and how large
// the printer's font is.
#pragma once

struct PageRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
};

struct PrintLayout {
  PageRect Margins;  // the page less a fifteenth of its width and height on every side
  PageRect Header;   // one line of the header at the top of the margin rectangle
  PageRect Body;     // the text, below the header and a line of space; may be empty
};

// pageWidth and pageHeight in printer pixels; lineHeight is the printer font's character
// height plus its external leading. The body's top is two such lines below the margin's, but
// never below the margin's bottom.
PrintLayout ComputePrintLayout(int pageWidth, int pageHeight, int lineHeight);

// The view's font height (a negative height is a character height, as in a logical font)
// scaled from the screen's vertical resolution to the printer's, rounded to the nearest pixel
// with halves away from zero. A resolution below 1 leaves the height unchanged.
int PrinterFontHeight(int viewFontHeight, int printerDpiY, int screenDpiY);
