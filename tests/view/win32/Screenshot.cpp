// Capturing a window's pixels through a 32-bit DIB section, and a small PNG writer.
#include "tests/view/win32/Screenshot.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

const std::array<std::uint32_t, 256>& CrcTable() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

void AppendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendChunk(std::string& out, const char* type, const std::string& data) {
  AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  out += typed;
  AppendBigEndian(out, Crc32(reinterpret_cast<const unsigned char*>(typed.data()), typed.size()));
}

// The rows of the image, each behind filter byte 0 (none), as RGB triples.
std::string RawScanlines(const Image& image) {
  std::string raw;
  raw.reserve(static_cast<std::size_t>(image.Height()) * (1 + 3 * static_cast<std::size_t>(image.Width())));
  for (int y = 0; y < image.Height(); ++y) {
    raw += '\0';
    for (int x = 0; x < image.Width(); ++x) {
      const COLORREF c = image.At(x, y);
      raw += static_cast<char>(GetRValue(c));
      raw += static_cast<char>(GetGValue(c));
      raw += static_cast<char>(GetBValue(c));
    }
  }
  return raw;
}

// A zlib stream of stored (uncompressed) deflate blocks of at most 65535 bytes each.
std::string StoredZlib(const std::string& raw) {
  std::string out("\x78\x01", 2);
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - offset, 65535);
    const bool last = offset + length == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += static_cast<char>(length & 0xFF);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(~length & 0xFF);
    out += static_cast<char>((~length >> 8) & 0xFF);
    out.append(raw, offset, length);
    offset += length;
  } while (offset < raw.size());
  AppendBigEndian(out, Adler32(reinterpret_cast<const unsigned char*>(raw.data()), raw.size()));
  return out;
}

}  // namespace

COLORREF Image::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= W || y >= H) return 0;
  return Data[static_cast<std::size_t>(y) * W + x];
}

void Image::Set(int x, int y, COLORREF colour) {
  if (x >= 0 && y >= 0 && x < W && y < H) Data[static_cast<std::size_t>(y) * W + x] = colour;
}

int Image::Count(int left, int top, int right, int bottom, COLORREF colour) const {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (At(x, y) == colour) ++count;
  return count;
}

Image CaptureWindow(HWND window) {
  RECT frame;
  if (!GetWindowRect(window, &frame)) return Image();
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  if (width <= 0 || height <= 0) return Image();

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC source = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  Image image;
  if (bitmap && bits) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    image = Image(width, height);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);  // 0x00RRGGBB
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
        image.Set(x, y, RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
      }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return image;
}

Image ImageOfBitmap(HBITMAP bitmap) {
  BITMAP size{};
  if (!bitmap || !GetObjectA(bitmap, sizeof size, &size) || size.bmWidth <= 0 || size.bmHeight <= 0) return Image();
  const int width = size.bmWidth, height = size.bmHeight;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);  // 0x00RRGGBB
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) return Image();
  Image image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
      image.Set(x, y, RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
  return image;
}

std::uint32_t Crc32(const unsigned char* data, std::size_t size, std::uint32_t crc) {
  const auto& table = CrcTable();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const unsigned char* data, std::size_t size, std::uint32_t adler) {
  const std::uint32_t mod = 65521;
  std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % mod;
    b = (b + a) % mod;
  }
  return (b << 16) | a;
}

std::string EncodePng(const Image& image) {
  std::string png("\x89PNG\r\n\x1A\n", 8);
  std::string header;
  AppendBigEndian(header, static_cast<std::uint32_t>(image.Width()));
  AppendBigEndian(header, static_cast<std::uint32_t>(image.Height()));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", StoredZlib(RawScanlines(image)));
  AppendChunk(png, "IEND", std::string());
  return png;
}

std::string SaveScreenshot(const Image& image, const std::string& fileName) {
  const std::string folder = QUILVANE_SCREENSHOT_DIR;
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = folder + "/" + fileName;
  const std::string png = EncodePng(image);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return std::string();
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written ? path : std::string();
}

Image CaptureScreenArea(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  Image image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.Set(x, y, GetPixel(memory, x, y));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}
