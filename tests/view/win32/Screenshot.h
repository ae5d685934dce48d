// What a window shows on screen, captured as pixels, read back for pixel checks and saved
// as a PNG file into the tests' screenshot folder.
#pragma once

#include "common/win32/WinApi.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Image {
public:
  Image() = default;
  Image(int width, int height) : W(width), H(height), Data(static_cast<std::size_t>(width) * height, 0) {}

  int Width() const { return W; }
  int Height() const { return H; }
  // The pixel as a COLORREF (red in the low byte); black outside the image.
  COLORREF At(int x, int y) const;
  void Set(int x, int y, COLORREF colour);
  // How many pixels of the rectangle [left, right) x [top, bottom) have the colour.
  int Count(int left, int top, int right, int bottom, COLORREF colour) const;

private:
  int W = 0;
  int H = 0;
  std::vector<COLORREF> Data;  // rows top to bottom
};

// The whole window, frame and non-client area included, as it is on screen now.
Image CaptureWindow(HWND window);
// What the screen shows inside a rectangle (screen coordinates): the windows of another
// process cannot be read through their own device contexts, and popups lie outside them.
Image CaptureScreenArea(const RECT& area);

// The pixels of a bitmap that no device context holds selected (a memory page, for one).
Image ImageOfBitmap(HBITMAP bitmap);

// The image as an 8-bit RGB PNG (stored deflate blocks, no compression).
std::string EncodePng(const Image& image);

// Writes the PNG under the given file name into the screenshot folder, creating the folder;
// returns the file's path, or an empty string when it cannot be written.
std::string SaveScreenshot(const Image& image, const std::string& fileName);

// The checksums of the PNG format: CRC-32 of its chunks and Adler-32 of its zlib stream.
std::uint32_t Crc32(const unsigned char* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const unsigned char* data, std::size_t size, std::uint32_t adler = 1);
